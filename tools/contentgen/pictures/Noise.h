#pragma once

#include <cstdint>

// Hash-based noise: the same arguments give the same values on every run, with no state.
namespace noise {

// A value in [0, 1) for an integer lattice point.
float hash(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1); `scale` is the lattice spacing in pixels.
float value(float x, float y, float scale, std::uint32_t seed);

// Several octaves of `value`, in [0, 1).
float fractal(float x, float y, float scale, std::uint32_t seed, int octaves = 3);

// Smooth noise along a line in [-1, 1], for wobbling strokes.
float wobble(float t, std::uint32_t seed);

}  // namespace noise
