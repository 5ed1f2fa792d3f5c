#pragma once

#include "platform/GameWindow.h"
#include "platform/Sprite.h"
#include "world/LevelObject.h"

// The flight level's steered ball: the wind carries it right and it rubs out its path.
class ScarfBall {
public:
    ScarfBall();
    // The sprite points at the ball's own image.
    ScarfBall(const ScarfBall&) = delete;
    ScarfBall& operator=(const ScarfBall&) = delete;
    void update(GameWindow& window, ObjectList& list);
    void draw(GameWindow& window);

    float x = 350, y = 384;
    float stepX = 8, stepY = 7;
    Image image;
    Sprite sprite;
};
