#pragma once

#include <memory>

#include "level/ObjectList.h"

// Tuning close to the shipped game, so the numbers the tests measure are the game's feel.
inline constexpr const char* kPlayerConfig =
    "[Player]\n"
    "MaxGravity=12\nGravity=0.3\nFriktion=0.5\nJumpPower=9\nRunSpeed=2.75\n"
    "SizeX=40\nSizeY=90\nHillwalk=10\nAnimationFPS=24\n"
    "SizeXSprite=200\nSizeYSprite=100\nJumpDelay=0.12\n"
    "[Boomerang]\n"
    "Spawn_Length=30\nSpeed=12\nReturn_Time=450\nCooldown=500\nEraze_Radius=50\nWidth=20\nHeight=20\n";

// Appends an object whose picture is fully opaque; returns its list position.
inline int addBlock(ObjectList& list, int kind, float x, float y, int w, int h) {
    auto object = std::make_unique<LevelObject>();
    object->kind = kind;
    object->x = x;
    object->y = y;
    object->width = w;
    object->height = h;
    object->image.create(static_cast<unsigned>(w), static_cast<unsigned>(h), Color{0, 0, 0, 255});
    list.push_back(std::move(object));
    return static_cast<int>(list.size()) - 1;
}
