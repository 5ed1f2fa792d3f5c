#include "terrain/Collision.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

#include "level/Kinds.h"
#include "terrain/DiscChords.h"
#include "terrain/MaskScan.h"
#include "terrain/ObjectBox.h"

namespace {

using namespace maskscan;

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
    static bool skips(int kind) { return !kindRoles(kind).solidToBox; }
    static const std::vector<StillBox>& still(const ObjectIndex& index) { return index.stillForBox; }
    WholeRows rows(const PixelRange& r, long long, long long) const { return {r.j0, r.jEnd}; }
    bool counts(float, float, std::uint8_t a) const { return SolidityMask::solidForBox(a); }
};

// What makes a pixel count for the circle rule.
struct CircleRule {
    long long cx, cy;
    int radius;
    static constexpr SolidityMask::Plane plane = SolidityMask::AnyAlpha;
    static bool skips(int kind) { return !kindRoles(kind).solidToCircle; }
    static const std::vector<StillBox>& still(const ObjectIndex& index) { return index.stillForCircle; }
    DiscChords rows(const PixelRange& r, long long ox, long long oy) const {
        return DiscChords(cx - ox, cy - oy, radius, r.j0, r.jEnd);
    }
    bool counts(float fx, float fy, std::uint8_t a) const {
        return a != 0 && approxDistance(fx - static_cast<float>(cx), fy - static_cast<float>(cy)) < radius;
    }
};

// Over a long level the walk along the list costs more than the pixels. Still objects are
// tested in the index's compact array, the few others where they lie; the two walks are
// merged so that objects are still met in list order, which decides ties. Most objects lie to
// one side or the other of a box, so the horizontal test comes first, computed without
// branches, since which side an object lies on follows no pattern a branch could learn.
template <class Rule>
class Candidates {
public:
    Candidates(const ObjectList& list, const WorldBox& box)
        : list_(list),
          box_(box),
          still_(Rule::still(list.index())),
          moving_(list.index().moving),
          end_(list.size()),
          nextStill_(advanceStill()),
          nextMoving_(advanceMoving()) {}

    // The next overlapping object's index, or the list's size past the last.
    size_t next() {
        if (nextStill_ < nextMoving_) return std::exchange(nextStill_, advanceStill());
        if (nextMoving_ < end_) return std::exchange(nextMoving_, advanceMoving());
        return end_;
    }

private:
    size_t advanceStill() {
        for (; s_ < still_.size(); ++s_) {
            const StillBox& b = still_[s_];
            const bool inColumns = static_cast<int>(b.left < box_.right) & static_cast<int>(b.right > box_.left);
            if (inColumns && b.top < box_.bottom && b.bottom > box_.top) return still_[s_++].index;
        }
        return end_;
    }
    size_t advanceMoving() {
        for (; m_ < moving_.size(); ++m_) {
            const LevelObject& o = *list_[moving_[m_]];
            const bool inColumns = static_cast<int>(o.x < box_.right) & static_cast<int>(o.x + static_cast<float>(o.width) > box_.left);
            if (inColumns && !Rule::skips(o.kind) && overlaps(o, box_)) return moving_[m_++];
        }
        return end_;
    }

    const ObjectList& list_;
    const WorldBox box_;
    const std::vector<StillBox>& still_;
    const std::vector<std::uint32_t>& moving_;
    const size_t end_;
    size_t s_ = 0, m_ = 0;
    size_t nextStill_, nextMoving_;
};

template <class Rule>
CollisionHit scan(const Box& query, const ObjectList& list, float dirX, float dirY, const Rule& rule,
                  int excluded = -1) {
    CollisionHit hit;
    const Toward toward = towardOf(dirX, dirY);
    if (toward == Toward::Nowhere) return hit;
    const WorldBox box = WorldBox::of(query);
    const bool exactBox = exactInt(query.x) && exactInt(query.y) && exactInt(query.w) && exactInt(query.h);
    Candidates<Rule> candidates(list, box);
    for (size_t i = candidates.next(); i < list.size(); i = candidates.next()) {
        const LevelObject& o = *list[i];
        if (static_cast<int>(i) == excluded) continue;
        // An object never collides with itself when it queries its own box.
        if (o.x == box.left && o.y == box.top && o.width == query.w && o.height == query.h) continue;
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
    return scan({x, y, w, h}, list, dirX, dirY, BoxRule{}, excluded);
}

CollisionHit queryCircle(int x, int y, int w, int h, int radius, const ObjectList& list, float dirX, float dirY) {
    const CircleRule rule{static_cast<long long>(x) + w / 2, static_cast<long long>(y) + h / 2, radius};
    return scan({x, y, w, h}, list, dirX, dirY, rule);
}

bool objectOverlaps(const ObjectList& list, int index, const Box& box) {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return false;
    return overlaps(*list[static_cast<size_t>(index)], WorldBox::of(box));
}
