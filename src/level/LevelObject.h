#pragma once

#include "level/SolidityMask.h"
#include "platform/Image.h"
#include "resources/SpriteAnimation.h"

// One placed picture of a level. Its picture shares the cached one's pixels until erasing first
// changes it, which gives it pixels of its own.
struct LevelObject {
    // Positions that take an object out of play; the state lines show them.
    static constexpr float kKeyOutOfPlay = -9999;
    static constexpr float kDestroyedArrow = -8999;
    static constexpr float kPageTaken = -7999;

    // First, together: the walk along the list in every pixel query reads only these.
    float x = 0, y = 0;
    int height = 0, width = 0;
    int kind = 0;
    float speedX = 0, speedY = 0;
    SpriteAnimation doorAnimation;
    SpriteAnimation checkpointAnimation;
    Image image;
    bool imageChanged = false;
    int recordIndex = 0;
    bool dropSoundArmed = false;
    float baseSpeedY = 0, baseSpeedX = 0;
    // What the pixel queries read instead of `image`; it follows the picture by itself.
    mutable SolidityMask solidity;
};
