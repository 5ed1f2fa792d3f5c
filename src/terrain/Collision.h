#pragma once

#include <bit>
#include <climits>
#include <cstdint>

#include "level/ObjectList.h"
#include "terrain/Box.h"

// Result of every pixel query.
struct CollisionHit {
    int index = -1;
    int hitX = -9999, hitY = -9999;
    float speedX = 0, speedY = 0;
    int kind = 0;
    bool hit = false;
    int count = 0;
};

// The first solid pixel in the box in the direction of motion (dirY decides before dirX;
// both zero never hits). Boxes are integers: callers truncate toward zero. The object at
// `excluded`, if any, is left out.
CollisionHit queryBox(int x, int y, int w, int h, const ObjectList& list, float dirX, float dirY, int excluded = -1);
// As queryBox for the boomerang: any non-zero alpha, pencil ignored, camera triggers reported,
// pixels nearer than `radius` to the box centre by approxSqrt.
CollisionHit queryCircle(int x, int y, int w, int h, int radius, const ObjectList& list, float dirX, float dirY);
// The bit-level square root estimate that shapes collision and erase circles.
inline float approxSqrt(float v) {
    const std::int32_t bits = std::bit_cast<std::int32_t>(v);
    return std::bit_cast<float>((bits >> 1) + 0x1FC00000);
}

// approxSqrt(dx² + dy²) truncated to whole pixels: the distance of the circle and eraser rules.
inline int approxDistance(float dx, float dy) {
    const float d = approxSqrt(dx * dx + dy * dy);
    return d < 2.0e9f ? static_cast<int>(d) : INT_MAX;
}

// The object's bounding box against the box; false for an index outside the list.
bool objectOverlaps(const ObjectList& list, int index, const Box& box);
