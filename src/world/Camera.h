#pragma once

// How the view follows play: pinned above y 768 until a camera trigger lets it follow the
// player down, and scrolling on by itself in the flight.
struct Camera {
    static constexpr float kFlightStartX = 350;

    bool follow = false;
    float y = 0;
    float flightX = kFlightStartX;
};
