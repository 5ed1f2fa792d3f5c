#include "pictures/Noise.h"

#include <cmath>

namespace noise {

float hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<float>(h >> 8) / 16777216.0f;
}

float value(float x, float y, float scale, std::uint32_t seed) {
    const float fx = x / scale, fy = y / scale;
    const float x0 = std::floor(fx), y0 = std::floor(fy);
    const int ix = static_cast<int>(x0), iy = static_cast<int>(y0);
    float tx = fx - x0, ty = fy - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const float a = hash(ix, iy, seed), b = hash(ix + 1, iy, seed);
    const float c = hash(ix, iy + 1, seed), d = hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fractal(float x, float y, float scale, std::uint32_t seed, int octaves) {
    float sum = 0, weight = 0, amplitude = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * value(x, y, scale, seed + 101u * i);
        weight += amplitude;
        amplitude *= 0.5f;
        scale *= 0.5f;
    }
    return sum / weight;
}

float wobble(float t, std::uint32_t seed) { return 2 * value(t, 0.5f, 1.0f, seed) - 1; }

}  // namespace noise
