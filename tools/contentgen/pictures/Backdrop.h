#pragma once

#include <cstdint>
#include <functional>

#include "pictures/Canvas.h"

// Backdrops are laid side by side along a level, so everything on them repeats with the
// picture's width: the right edge continues the left one without a seam.
namespace backdrop {

// A smooth value in [-1, 1] that repeats every `period` pixels.
float periodic(float x, float period, std::uint32_t seed);

// Washes everything below the line y = lineY(x) and traces the line in pencil; both run
// past the picture's edges so that neighbouring copies meet.
void band(Canvas& c, const std::function<float(float)>& lineY, Paint fill, Paint line, std::uint32_t seed);

// Draws a thing centred at x, and again one picture width to the left or right when it
// reaches over an edge (within `reach`).
void wrapped(const Canvas& c, float x, float reach, const std::function<void(float)>& draw);

}  // namespace backdrop
