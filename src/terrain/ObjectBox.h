#pragma once

#include <algorithm>
#include <cmath>

#include "level/LevelObject.h"
#include "terrain/Box.h"

// A box [left, right) x [top, bottom) in world pixels, kept in floats so that no integer
// corner can overflow on its way to the comparisons.
struct WorldBox {
    float left, top, right, bottom;

    static WorldBox of(const Box& b) {
        const float fx = static_cast<float>(b.x), fy = static_cast<float>(b.y);
        return {fx, fy, fx + static_cast<float>(b.w), fy + static_cast<float>(b.h)};
    }
};

// The strict bounding-box test: touching edges do not overlap.
inline bool overlaps(const LevelObject& o, const WorldBox& box) {
    return o.x < box.right && o.x + static_cast<float>(o.width) > box.left && o.y < box.bottom &&
           o.y + static_cast<float>(o.height) > box.top;
}

// Columns [j0, jEnd) and rows [k0, kEnd) of an object's picture that lie in a box.
struct PixelRange {
    int j0, jEnd, k0, kEnd;
};

namespace detail {
inline int truncInto(float v, int limit) { return static_cast<int>(std::clamp(v, 0.0f, static_cast<float>(limit))); }

// One axis of the clip: from the box's start (if the object starts before it) to the box's
// end (if the object reaches past it), truncated toward zero.
inline void clipAxis(float pos, int size, int pictureSize, float start, float end, int& first, int& stop) {
    const int limit = std::max(0, std::min(size, pictureSize));
    first = pos < start ? truncInto(start - pos, limit) : 0;
    stop = pos + static_cast<float>(size) > end ? truncInto(end - pos, limit) : limit;
}
}  // namespace detail

// The box clipped to an overlapping object. Also bounded by the picture itself, which can be
// narrower than the object's box (a key's box is always 35 wide).
inline PixelRange clipToObject(const LevelObject& o, const WorldBox& box) {
    PixelRange r{};
    detail::clipAxis(o.x, o.width, static_cast<int>(o.image.width()), box.left, box.right, r.j0, r.jEnd);
    detail::clipAxis(o.y, o.height, static_cast<int>(o.image.height()), box.top, box.bottom, r.k0, r.kEnd);
    return r;
}

// Within this range every float position and pixel position the pixel rules compute is a
// whole number held exactly, so scans over whole rows of a SolidityMask see exactly the
// pixels the rules see.
constexpr long long kExactRange = 1 << 22;

inline bool exactInt(long long v) { return v > -kExactRange && v < kExactRange; }

inline bool exactlyPlaced(const LevelObject& o) {
    const auto limit = static_cast<float>(kExactRange);
    // Written so that NaN fails too.
    if (!(o.x > -limit && o.x < limit && o.y > -limit && o.y < limit)) return false;
    return o.x == std::trunc(o.x) && o.y == std::trunc(o.y);
}
