#include "terrain/Eraser.h"

#include <bit>
#include <cstdint>

#include "level/Kinds.h"
#include "terrain/BitRow.h"
#include "terrain/DiscChords.h"
#include "terrain/ObjectBox.h"

namespace {

bool rubsOut(int kind, bool arrowMode) {
    const KindRoles& roles = kindRoles(kind);
    return arrowMode ? roles.boredByArrows : roles.rubbedOut;
}

bool isKey(int kind) { return kindRoles(kind).step == Step::Key; }

// Only these kinds can be changed by a pass in the given mode; the rest are not worth reading.
bool affected(int kind, bool arrowMode) {
    return rubsOut(kind, arrowMode) || isRestingArrow(kind) || (arrowMode && isKey(kind));
}

void setOff(LevelObject& arrow, int speed) {
    const auto s = static_cast<float>(speed);
    switch (kindRoles(arrow.kind).launch) {
        case Motion::Right: arrow.speedX = s; break;
        case Motion::Left: arrow.speedX = -s; break;
        case Motion::Up: arrow.speedY = -s; break;
        case Motion::Down: arrow.speedY = s; break;
        case Motion::None: break;
    }
    arrow.kind = Kind::FlyingArrow;
}

struct Counters {
    int pencil = 0, ink = 0;
};

// Keys and resting arrows react to their first pixel in reach, and moving them away changes
// what the rest of their pixels see, so they are read pixel by pixel in the rule's order.
void touchObject(LevelObject& o, const PixelRange& r, float cx, float cy, int radius, bool arrowMode, int arrowSpeed,
                 EraseReport& report) {
    for (int j = r.j0; j < r.jEnd; ++j) {
        for (int k = r.k0; k < r.kEnd; ++k) {
            if (o.image.alpha(static_cast<unsigned>(j), static_cast<unsigned>(k)) == 0) continue;
            // The object's current position: once moved out of play its other pixels are out of reach.
            if (approxDistance(o.x + static_cast<float>(j) - cx, o.y + static_cast<float>(k) - cy) >= radius) continue;
            if (!arrowMode) {
                if (isRestingArrow(o.kind)) {
                    setOff(o, arrowSpeed);
                    ++report.arrowsSetOff;
                }
            } else if (isKey(o.kind)) {
                o.x = LevelObject::kKeyOutOfPlay;
                ++report.keysBroken;
                report.struck = true;
                o.imageChanged = true;
            } else if (isRestingArrow(o.kind)) {
                o.x = LevelObject::kDestroyedArrow;
                report.struck = true;
                o.imageChanged = true;
            }
        }
    }
}

// The ring's fade; a pixel already at the rim's alpha is left as it is.
void fade(SolidityMask::Writer& writer, Color c, unsigned x, unsigned y) {
    const int faded = static_cast<int>(c.a / 1.5);
    const auto a = static_cast<std::uint8_t>(faded < 10 ? 10 : faded);
    if (a == c.a) return;
    c.a = a;
    writer.set(x, y, c);
}

// Terrain this pass rubs out. Each pixel's fate depends only on itself, so only pixels with
// any alpha are visited. In an exactly placed object each row splits into the chord of the
// circle (rubbed out) and the rest of the chord of the ring (faded) with no distance taken per
// pixel. The ring leaves a rim of alpha 10: visible, not solid, and never faded further.
void rubOut(LevelObject& o, const PixelRange& r, long long cx, long long cy, int radius, long long outer,
            Counters& counters) {
    o.solidity.sync(o.image);
    SolidityMask::Writer writer(o.solidity, o.image);
    const bool exact = exactlyPlaced(o) && exactInt(cx) && exactInt(cy);
    const long long ox = exact ? static_cast<long long>(o.x) : 0, oy = exact ? static_cast<long long>(o.y) : 0;
    DiscChords ring(cx - ox, cy - oy, outer, r.j0, r.jEnd), circle(cx - ox, cy - oy, radius, r.j0, r.jEnd);
    const float fcx = static_cast<float>(cx), fcy = static_cast<float>(cy);
    int& erased = o.kind == Kind::Pencil ? counters.pencil : counters.ink;
    for (int k = r.k0; k < r.kEnd; ++k) {
        int lo = r.j0, hi = r.jEnd, innerLo = 0, innerHi = 0;
        if (exact) {
            ring.at(k, lo, hi);
            circle.at(k, innerLo, innerHi);
        }
        const SolidityMask::Row row = o.solidity.row(SolidityMask::AnyAlpha, k);
        for (int i = lo / 64; lo < hi && i <= (hi - 1) / 64; ++i) {
            // A copy: writing a pixel clears its bit in the row.
            const std::uint64_t bits = row[i] & bitrow::spanOfWord(i, lo, hi);
            for (std::uint64_t left = bits; left; left &= left - 1) {
                const int j = i * 64 + std::countr_zero(left);
                const auto uj = static_cast<unsigned>(j), uk = static_cast<unsigned>(k);
                const bool inside = exact ? j >= innerLo && j < innerHi
                                          : approxDistance(o.x + static_cast<float>(j) - fcx,
                                                           o.y + static_cast<float>(k) - fcy) < radius;
                if (inside) {
                    writer.set(uj, uk, Color{0, 0, 0, 0});
                    ++erased;
                } else if (exact || approxDistance(o.x + static_cast<float>(j) - fcx,
                                                   o.y + static_cast<float>(k) - fcy) < outer) {
                    fade(writer, o.image.pixel(uj, uk), uj, uk);
                } else {
                    continue;
                }
                o.imageChanged = true;
            }
        }
    }
}

}  // namespace

EraseReport eraseAt(ObjectList& list, int x, int y, int radius, bool arrowMode) {
    // In 64 bits: no configured radius can overflow the square or the ring.
    const long long outer = static_cast<long long>(radius) + list.rules.radius2;
    const long long side = 2 * outer;
    const long long cx = x + side / 2, cy = y + side / 2;
    const WorldBox square{static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + side),
                          static_cast<float>(y + side)};
    EraseReport report;
    Counters counters;
    for (auto& object : list) {
        LevelObject& o = *object;
        if (!affected(o.kind, arrowMode) || !overlaps(o, square)) continue;
        const PixelRange r = clipToObject(o, square);
        if (rubsOut(o.kind, arrowMode))
            rubOut(o, r, cx, cy, radius, outer, counters);
        else
            touchObject(o, r, static_cast<float>(cx), static_cast<float>(cy), radius, arrowMode, list.rules.arrowSpeed,
                        report);
    }
    report.pencilRubbedOut = counters.pencil > 0;
    report.inkRubbedOut = counters.ink > 0;
    return report;
}
