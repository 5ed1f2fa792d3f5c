#pragma once

#include "platform/GameWindow.h"
#include "platform/Sprite.h"
#include "platform/TimeSource.h"

// The running state of one sprite strip; owners may set nextFrame to restart or jump.
struct SpriteAnimation {
    int nextFrame = 0;
    int shownFrame = 0;
    // Source rectangle as {left, top, right, bottom}.
    int subLeft = 0, subTop = 0, subRight = 0, subBottom = 0;
    int imageIndex = 0;
    float now = 0;
    GameClock clock;
    float lastStepTime = 0;
};

// Steps the strip when `period` seconds have passed and draws the current frame. Frames
// 12 and on come from `second` (columns restarting at 0) when it is a different sprite.
void animate(SpriteAnimation& anim, Sprite& first, Sprite& second, float frameWidth, float frameHeight, int row,
             int frameCount, GameWindow& window, float x, float y, bool reverse, float period);
