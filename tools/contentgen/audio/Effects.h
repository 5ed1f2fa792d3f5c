#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Signal.h"

// One sound effect file of the game, mono.
struct Effect {
    std::string file;
    Signal samples;
};

// Seeds the generator from the file name (so each sound is the same whatever is made before it),
// builds the sound, brings its peak to where it sounds at `heardDb` once the game has applied the
// file's volume factor, never above -1 dBFS, and eases its edges.
Effect makeEffect(const std::string& file, double heardDb, const std::function<Signal()>& build);

// Seconds to a sample offset, for placing layers.
std::size_t at(double seconds);

std::vector<Effect> stepEffects();    // footsteps, jumps and landings on each ground
std::vector<Effect> actionEffects();  // throws, erasing, the platform
std::vector<Effect> objectEffects();  // doors, keys, arrows, menu chimes
