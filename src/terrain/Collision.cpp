#include "terrain/Collision.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <initializer_list>

#include "audio/SoundBank.h"
#include "terrain/DiscChords.h"
#include "terrain/MaskScan.h"
#include "terrain/ObjectBox.h"
#include "terrain/TerrainSettings.h"

namespace {

using namespace maskscan;

// Kinds as bit sets, so a test is a shift rather than a chain of comparisons.
constexpr bool inKindSet(std::uint32_t set, int kind) {
    return static_cast<unsigned>(kind) < 32 && ((set >> static_cast<unsigned>(kind)) & 1);
}

constexpr std::uint32_t kindSet(std::initializer_list<int> kinds) {
    std::uint32_t set = 0;
    for (int k : kinds) set |= std::uint32_t{1} << k;
    return set;
}

bool skippedByBox(int kind) { return inKindSet(kindSet({0, 10, 12, 17, 18, 19, 20}), kind); }

// Camera triggers stop the boomerang; pencil never does, so it is skipped outright.
bool skippedByCircle(int kind) { return inKindSet(kindSet({0, 2, 10, 12, 17, 18, 19}), kind); }

// Narrows the object's range to the pixels that could beat the record so far; false when none
// are left.
bool narrowToBetter(PixelRange& r, Toward toward, const CollisionHit& hit, long long ox, long long oy) {
    const auto bound = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); };
    if (hit.count > 0) {
        switch (toward) {
            case Toward::Down: r.kEnd = std::min(r.kEnd, bound(hit.hitY - oy)); break;
            case Toward::Up: r.k0 = std::max(r.k0, bound(hit.hitY - oy + 1)); break;
            case Toward::Right: r.jEnd = std::min(r.jEnd, bound(hit.hitX - ox)); break;
            case Toward::Left: r.j0 = std::max(r.j0, bound(hit.hitX - ox + 1)); break;
            case Toward::Nowhere: break;
        }
    }
    return r.j0 < r.jEnd && r.k0 < r.kEnd;
}

void record(CollisionHit& hit, const LevelObject& o, size_t index, int px, int py) {
    hit.hitX = px;
    hit.hitY = py;
    hit.index = static_cast<int>(index);
    hit.kind = o.kind;
    hit.speedX = o.speedX;
    hit.speedY = o.speedY;
}

// Drops the rows at either end of the range that hold no counting pixel: they cannot change
// the record, and reading them row by row is far cheaper than walking them column by column.
template <class Counts>
bool trimEmptyRows(const LevelObject& o, PixelRange& r, const Counts& counts) {
    const auto rowCounts = [&](int k) {
        const float fy = o.y + static_cast<float>(k);
        const std::uint8_t* row = o.image.row(static_cast<unsigned>(k)) + 3;
        for (int j = r.j0; j < r.jEnd; ++j)
            if (counts(o.x + static_cast<float>(j), fy, row[static_cast<size_t>(j) * 4])) return true;
        return false;
    };
    while (r.k0 < r.kEnd && !rowCounts(r.k0)) ++r.k0;
    if (r.k0 == r.kEnd) return false;
    while (!rowCounts(r.kEnd - 1)) --r.kEnd;
    return true;
}

// The rule read pixel by pixel, for objects at fractional or far-out positions, where two
// columns can share a truncated world position. Pixels are compared at their truncated world
// positions and a tie keeps the pixel found first; columns or rows that cannot win are not read.
template <class Counts>
void scanPixels(CollisionHit& hit, const LevelObject& o, size_t index, PixelRange r, Toward toward, Counts counts) {
    if (!trimEmptyRows(o, r, counts)) return;
    for (int j = r.j0; j < r.jEnd; ++j) {
        const float fx = o.x + static_cast<float>(j);
        const int px = static_cast<int>(fx);
        if (hit.count > 0) {
            if (toward == Toward::Right && !(px < hit.hitX)) break;
            if (toward == Toward::Left && !(px > hit.hitX)) continue;
        }
        for (int k = r.k0; k < r.kEnd; ++k) {
            const float fy = o.y + static_cast<float>(k);
            const int py = static_cast<int>(fy);
            if (hit.count > 0) {
                if (toward == Toward::Down && !(py < hit.hitY)) break;
                if (toward == Toward::Up && !(py > hit.hitY)) continue;
            }
            if (!counts(fx, fy, o.image.alpha(static_cast<unsigned>(j), static_cast<unsigned>(k)))) continue;
            record(hit, o, index, px, py);
            ++hit.count;
            if (toward != Toward::Up) break;
        }
    }
}

// What makes a pixel count for the box rule.
struct BoxRule {
    static constexpr SolidityMask::Plane plane = SolidityMask::BoxSolid;
    static bool skips(int kind) { return skippedByBox(kind); }
    WholeRows rows(const PixelRange& r, long long, long long) const { return {r.j0, r.jEnd}; }
    bool counts(float, float, std::uint8_t a) const { return SolidityMask::solidForBox(a); }
};

// What makes a pixel count for the circle rule.
struct CircleRule {
    long long cx, cy;
    int radius;
    static constexpr SolidityMask::Plane plane = SolidityMask::AnyAlpha;
    static bool skips(int kind) { return skippedByCircle(kind); }
    DiscChords rows(const PixelRange& r, long long ox, long long oy) const {
        return DiscChords(cx - ox, cy - oy, radius, r.j0, r.jEnd);
    }
    bool counts(float fx, float fy, std::uint8_t a) const {
        return a != 0 && approxDistance(fx - static_cast<float>(cx), fy - static_cast<float>(cy)) < radius;
    }
};

// Over a long level the walk along the list costs more than the pixels. Most objects lie to
// one side or the other of a box, so the horizontal test comes first; it is computed without
// branches, since which side an object lies on follows no pattern a branch could learn, and
// the one branch left is taken only by the rare object in reach.
template <class Rule>
size_t nextOverlapping(const ObjectList& list, size_t i, const WorldBox& box) {
    const size_t n = list.size();
    for (; i < n; ++i) {
        const LevelObject& o = *list[i];
        const bool inColumns = static_cast<int>(o.x < box.right) & static_cast<int>(o.x + static_cast<float>(o.width) > box.left);
        if (inColumns && !Rule::skips(o.kind) && overlaps(o, box)) break;
    }
    return i;
}

template <class Rule>
CollisionHit scan(int x, int y, int w, int h, const ObjectList& list, float dirX, float dirY, const Rule& rule,
                  int excluded = -1) {
    CollisionHit hit;
    const Toward toward = towardOf(dirX, dirY);
    if (toward == Toward::Nowhere) return hit;
    const WorldBox box = WorldBox::of(x, y, w, h);
    const bool exactBox = exactInt(x) && exactInt(y) && exactInt(w) && exactInt(h);
    for (size_t i = nextOverlapping<Rule>(list, 0, box); i < list.size(); i = nextOverlapping<Rule>(list, i + 1, box)) {
        const LevelObject& o = *list[i];
        if (static_cast<int>(i) == excluded) continue;
        // An object never collides with itself when it queries its own box.
        if (o.x == box.left && o.y == box.top && o.width == w && o.height == h) continue;
        PixelRange r = clipToObject(o, box);
        if (!exactBox || !exactlyPlaced(o)) {
            scanPixels(hit, o, i, r, toward, [&rule](float fx, float fy, std::uint8_t a) { return rule.counts(fx, fy, a); });
            continue;
        }
        const auto ox = static_cast<long long>(o.x), oy = static_cast<long long>(o.y);
        if (!narrowToBetter(r, toward, hit, ox, oy)) continue;
        o.solidity.sync(o.image);
        const Found f = scanMask(o.solidity.rows(Rule::plane), r, toward, rule.rows(r, ox, oy));
        if (f.count == 0) continue;
        record(hit, o, i, static_cast<int>(ox + f.j), static_cast<int>(oy + f.k));
        hit.count += f.count;
    }
    hit.hit = hit.count > 0;
    return hit;
}

}  // namespace

CollisionHit queryBox(int x, int y, int w, int h, const ObjectList& list, float dirX, float dirY, int excluded) {
    return scan(x, y, w, h, list, dirX, dirY, BoxRule{}, excluded);
}

CollisionHit queryCircle(int x, int y, int w, int h, int radius, const ObjectList& list, float dirX, float dirY) {
    const CircleRule rule{static_cast<long long>(x) + w / 2, static_cast<long long>(y) + h / 2, radius};
    return scan(x, y, w, h, list, dirX, dirY, rule);
}

bool objectOverlaps(const ObjectList& list, int index, int x, int y, int w, int h) {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return false;
    return overlaps(*list[static_cast<size_t>(index)], WorldBox::of(x, y, w, h));
}

int findOtherPlatform(const ObjectList& list, int x, int y, int w, int h, int excluded) {
    const WorldBox box = WorldBox::of(x, y, w, h);
    for (size_t i = 0; i < list.size(); ++i) {
        const LevelObject& o = *list[i];
        if (static_cast<int>(i) != excluded && o.kind >= 4 && o.kind <= 7 && overlaps(o, box)) return static_cast<int>(i);
    }
    return -1;
}

int takeKeyAt(ObjectList& list, int x, int y, int w, int h) {
    const WorldBox box = WorldBox::of(x, y, w, h);
    for (size_t i = 0; i < list.size(); ++i) {
        LevelObject& o = *list[i];
        if (o.kind == 10 && overlaps(o, box)) {
            o.x = -9999;
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool tryOpenDoor(int x, int y, int w, int h, ObjectList& list, int keyIndex) {
    const int m = terrainSettings.closeDoorValue;
    const WorldBox reach = WorldBox::of(x, y, w, h);
    const WorldBox widened{reach.left - static_cast<float>(m), reach.top, reach.right + static_cast<float>(m),
                           reach.bottom};
    for (auto& door : list) {
        if (door->kind != 11 || !overlaps(*door, widened)) continue;
        // Without a key the door still answers "in reach".
        if (keyIndex >= 0 && static_cast<size_t>(keyIndex) < list.size()) {
            door->kind = 12;
            list[static_cast<size_t>(keyIndex)]->x = -9999;
            soundBank().playDoorOpen();
        }
        return true;
    }
    return false;
}

bool tryCloseDoor(ObjectList& list, int x, int y, int w, int h, int& carriedKey, int bx, int by, int bw, int bh) {
    const int m = terrainSettings.openDoorValue;
    const WorldBox player = WorldBox::of(x, y, w, h);
    const WorldBox widened{player.left - static_cast<float>(m), player.top, player.right + static_cast<float>(m),
                           player.bottom};
    const WorldBox boomerang = WorldBox::of(bx, by, bw, bh);
    for (auto& door : list) {
        if (door->kind != 12 || !overlaps(*door, widened)) continue;
        if (overlaps(*door, player)) continue;
        if (queryBox(static_cast<int>(door->x), static_cast<int>(door->y), door->width, door->height, list, 1, 0).hit)
            continue;
        if (overlaps(*door, boomerang)) continue;
        if (carriedKey != -1) return true;
        door->kind = 11;
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i]->x == -9999) {
                carriedKey = static_cast<int>(i);
                soundBank().playIfIdle("close_door.wav");
                return true;
            }
        }
    }
    return false;
}
