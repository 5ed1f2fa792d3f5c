#include <algorithm>

#include "world/World.h"

void World::applyCameraView(GameWindow& window) {
    if (flightLevel) {
        // The flight scrolls on whatever the ball does.
        camera.y = std::clamp(scarfBall.y, 0.0f, 768.0f);
        view.setCenter(camera.flightX, camera.y);
        camera.flightX += 5;
    } else if (camera.follow) {
        const float d = camera.y - player.y;
        if (d > -15 && d < 15) camera.y = player.y;
        else camera.y += player.y < camera.y ? -4.0f : 4.0f;
        view.setCenter(static_cast<float>(static_cast<int>(player.x)), camera.y);
    } else {
        const int cx = std::max(static_cast<int>(player.x), 512);
        const int cy = std::min(static_cast<int>(player.y), 384);
        view.setCenter(static_cast<float>(cx), static_cast<float>(cy));
    }
    window.setView(view);
}
