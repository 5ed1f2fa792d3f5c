#pragma once

#include <memory>
#include <vector>

#include "platform/Image.h"
#include "resources/SpriteAnimation.h"
#include "terrain/SolidityMask.h"

// One placed picture of a level. Its picture shares the cached one's pixels until erasing first
// changes it, which gives it pixels of its own.
struct LevelObject {
    SpriteAnimation doorAnimation;
    SpriteAnimation checkpointAnimation;
    float x = 0, y = 0;  // x -9999: a key out of play; -8999: a destroyed arrow
    int height = 0, width = 0;
    float speedX = 0, speedY = 0;
    int kind = 0;
    Image image;
    bool imageChanged = false;
    int recordIndex = 0;
    bool dropSoundArmed = false;
    float baseSpeedY = 0, baseSpeedX = 0;
    // What the pixel queries read instead of `image`; it follows the picture by itself.
    mutable SolidityMask solidity;
};

// The level's ordered object list; positions are stable while a level runs.
using ObjectList = std::vector<std::unique_ptr<LevelObject>>;
