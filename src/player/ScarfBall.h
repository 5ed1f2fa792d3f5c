#pragma once

#include "audio/SoundBank.h"
#include "input/Controls.h"
#include "level/ObjectList.h"
#include "platform/GameWindow.h"
#include "platform/Sprite.h"

// The flight level's steered ball: the wind carries it right and it rubs out its path.
class ScarfBall {
public:
    ScarfBall();
    // The sprite points at the ball's own image.
    ScarfBall(const ScarfBall&) = delete;
    ScarfBall& operator=(const ScarfBall&) = delete;
    // Back at the start of the flight.
    void reset();
    // `cameraX`: where the flight's view has scrolled to, which the steering keeps the ball within.
    void update(const GameWindow& window, const Controls& controls, ObjectList& list, float cameraX, SoundBank& sounds);
    void draw(GameWindow& window);

    static constexpr float kStartX = 350, kStartY = 384;
    // Pixels per frame the wind carries the ball right.
    static constexpr float kWind = 5;
    float x = kStartX, y = kStartY;
    float stepX = 8, stepY = 7;
    Image image;
    Sprite sprite;
};
