#pragma once

// The pixel rules written the plain way, one pixel at a time in the rule's order (columns
// outer, rows inner), reading alpha bytes straight from the picture. The queries and the
// eraser skip most of this work; the tests and the benchmarks hold them against these.
#include <tuple>

#include "terrain/Collision.h"

namespace plain {

// Every field of a result, for comparing two of them in one go.
inline auto fields(const CollisionHit& h) {
    return std::tuple(h.hit, h.count, h.index, h.hitX, h.hitY, h.kind, h.speedX, h.speedY);
}

inline bool skips(int kind, bool circle) {
    for (int k : {0, 10, 12, 17, 18, 19, 21})
        if (kind == k) return true;
    return circle ? kind == 2 : kind == 20;
}

inline CollisionHit query(int x, int y, int w, int h, int radius, bool circle, const ObjectList& list, float dirX,
                          float dirY) {
    CollisionHit hit;
    const float right = static_cast<float>(x) + static_cast<float>(w), bottom = static_cast<float>(y) + static_cast<float>(h);
    const float cx = static_cast<float>(static_cast<long long>(x) + w / 2);
    const float cy = static_cast<float>(static_cast<long long>(y) + h / 2);
    for (size_t i = 0; i < list.size(); ++i) {
        const LevelObject& o = *list[i];
        if (skips(o.kind, circle)) continue;
        if (!(o.x < right && o.x + static_cast<float>(o.width) > static_cast<float>(x) && o.y < bottom &&
              o.y + static_cast<float>(o.height) > static_cast<float>(y)))
            continue;
        // Clipped to the box and to the picture (a key's box is wider than its picture).
        const int pw = static_cast<int>(o.image.width()), ph = static_cast<int>(o.image.height());
        const int j0 = o.x < static_cast<float>(x) ? static_cast<int>(static_cast<float>(x) - o.x) : 0;
        const int j1 = o.x + static_cast<float>(o.width) > right ? static_cast<int>(right - o.x) : o.width;
        const int k0 = o.y < static_cast<float>(y) ? static_cast<int>(static_cast<float>(y) - o.y) : 0;
        const int k1 = o.y + static_cast<float>(o.height) > bottom ? static_cast<int>(bottom - o.y) : o.height;
        for (int j = j0; j < j1 && j < pw; ++j) {
            for (int k = k0; k < k1 && k < ph; ++k) {
                const int a = o.image.alpha(static_cast<unsigned>(j), static_cast<unsigned>(k));
                if (circle) {
                    const float dx = o.x + static_cast<float>(j) - cx, dy = o.y + static_cast<float>(k) - cy;
                    if (a == 0 || static_cast<int>(approxSqrt(dx * dx + dy * dy)) >= radius) continue;
                } else if (!(a > 100 || (a >= 1 && a <= 9))) {
                    continue;
                }
                if (o.x == static_cast<float>(x) && o.y == static_cast<float>(y) && o.width == w && o.height == h) continue;
                const int px = static_cast<int>(o.x + static_cast<float>(j)), py = static_cast<int>(o.y + static_cast<float>(k));
                const bool none = hit.count == 0;
                bool replace = false;
                if (dirY > 0) replace = none || py < hit.hitY;
                else if (dirY < 0) replace = none || py > hit.hitY;
                else if (dirX > 0) replace = none || px < hit.hitX;
                else if (dirX < 0) replace = none || px > hit.hitX;
                if (!replace) continue;
                hit.hitX = px;
                hit.hitY = py;
                hit.index = static_cast<int>(i);
                hit.kind = o.kind;
                hit.speedX = o.speedX;
                hit.speedY = o.speedY;
                ++hit.count;
            }
        }
    }
    hit.hit = hit.count > 0;
    return hit;
}

// What an eraser pass reports: the result and how many pencil and ink pixels it rubbed out
// (which decide the two eraser sounds). It plays no sound itself.
struct EraseOutcome {
    CollisionHit result;
    int pencil = 0, ink = 0;
};

inline EraseOutcome erase(ObjectList& list, int x, int y, int radius, bool arrowMode) {
    EraseOutcome out;
    const long long outer = static_cast<long long>(radius) + list.rules.radius2, side = 2 * outer;
    const float cx = static_cast<float>(x + side / 2), cy = static_cast<float>(y + side / 2);
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    const float right = static_cast<float>(x + side), bottom = static_cast<float>(y + side);
    for (auto& object : list) {
        LevelObject& o = *object;
        if (o.kind == 0 || o.kind == 1 || o.kind == 12 || (o.kind >= 17 && o.kind <= 21)) continue;
        if (!(o.x < right && o.x + static_cast<float>(o.width) > left && o.y < bottom &&
              o.y + static_cast<float>(o.height) > top))
            continue;
        const int pw = static_cast<int>(o.image.width()), ph = static_cast<int>(o.image.height());
        const int j0 = o.x < left ? static_cast<int>(left - o.x) : 0;
        const int j1 = o.x + static_cast<float>(o.width) > right ? static_cast<int>(right - o.x) : o.width;
        const int k0 = o.y < top ? static_cast<int>(top - o.y) : 0;
        const int k1 = o.y + static_cast<float>(o.height) > bottom ? static_cast<int>(bottom - o.y) : o.height;
        for (int j = j0; j < j1 && j < pw; ++j) {
            for (int k = k0; k < k1 && k < ph; ++k) {
                const auto uj = static_cast<unsigned>(j), uk = static_cast<unsigned>(k);
                Color c = o.image.pixel(uj, uk);
                if (c.a == 0) continue;
                const float dx = o.x + static_cast<float>(j) - cx, dy = o.y + static_cast<float>(k) - cy;
                const int d = static_cast<int>(approxSqrt(dx * dx + dy * dy));
                const bool resting = o.kind >= 13 && o.kind <= 16;
                if (d < radius) {
                    if (!arrowMode && resting) {
                        const auto s = static_cast<float>(list.rules.arrowSpeed);
                        if (o.kind == 13) o.speedX = s;
                        if (o.kind == 14) o.speedX = -s;
                        if (o.kind == 15) o.speedY = -s;
                        if (o.kind == 16) o.speedY = s;
                        o.kind = 17;
                    } else if (o.kind == 2 || (arrowMode && o.kind == 3)) {
                        o.image.setPixel(uj, uk, Color{0, 0, 0, 0});
                        ++(o.kind == 2 ? out.pencil : out.ink);
                        o.imageChanged = true;
                    } else if (arrowMode && o.kind == 10) {
                        o.x = -9999;
                        out.result.hit = true;
                        o.imageChanged = true;
                    } else if (arrowMode && resting) {
                        o.x = -8999;
                        out.result.hit = true;
                        o.imageChanged = true;
                    }
                } else if (d < outer && (o.kind == 2 || (arrowMode && o.kind == 3))) {
                    const int faded = static_cast<int>(c.a / 1.5);
                    c.a = static_cast<std::uint8_t>(faded < 10 ? 10 : faded);
                    o.image.setPixel(uj, uk, c);
                    o.imageChanged = true;
                }
            }
        }
    }
    return out;
}

}  // namespace plain
