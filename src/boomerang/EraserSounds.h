#pragma once

#include "audio/SoundBank.h"
#include "terrain/Eraser.h"

// Sounds out an eraser pass in the order it happened: each arrow set off or key broken, then
// each material's rubbing, which runs while that material is being rubbed out.
void playEraserSounds(const EraseReport& report, SoundBank& sounds);
