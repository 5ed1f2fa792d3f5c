#pragma once

#include "audio/SoundBank.h"
#include "level/ObjectList.h"

// Keys fall and ride platforms, flying arrows erase their way; camera triggers do nothing.
void stepObject(LevelObject& object, ObjectList& list, int index, SoundBank& sounds);
// Moving platforms; the player's box decides whether a platform waits.
void stepPlatform(LevelObject& platform, ObjectList& list, float playerX, float playerY, float playerWidth,
                  float playerHeight, SoundBank& sounds);
