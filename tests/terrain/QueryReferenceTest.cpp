// The queries skip pixels that cannot change the result; these runs compare them with the
// plain pixel-by-pixel rule on random levels (kinds, thresholds, fractional positions, every
// direction, clipping at every edge), record field by record field.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "TerrainTestSupport.h"
#include "terrain/Collision.h"

namespace {

bool plainSkips(int kind, bool circle) {
    for (int k : {0, 10, 12, 17, 18, 19}) {
        if (kind == k) return true;
    }
    return !circle && kind == 20;
}

CollisionHit plainQuery(int x, int y, int w, int h, int radius, bool circle, const ObjectList& list, float dirX,
                        float dirY) {
    CollisionHit hit;
    const float right = static_cast<float>(x + w), bottom = static_cast<float>(y + h);
    const int cx = x + w / 2, cy = y + h / 2;
    for (size_t i = 0; i < list.size(); ++i) {
        const LevelObject& o = *list[i];
        if (plainSkips(o.kind, circle)) continue;
        if (!(o.x < right && o.x + o.width > x && o.y < bottom && o.y + o.height > y)) continue;
        const int j0 = o.x < x ? static_cast<int>(x - o.x) : 0;
        const int j1 = o.x + o.width > right ? static_cast<int>(right - o.x) : o.width;
        const int k0 = o.y < y ? static_cast<int>(y - o.y) : 0;
        const int k1 = o.y + o.height > bottom ? static_cast<int>(bottom - o.y) : o.height;
        for (int j = j0; j < j1; ++j) {
            for (int k = k0; k < k1; ++k) {
                const int a = o.image.alpha(static_cast<unsigned>(j), static_cast<unsigned>(k));
                if (circle) {
                    const float dx = o.x + j - cx, dy = o.y + k - cy;
                    if (a == 0 || o.kind == 2 || static_cast<int>(approxSqrt(dx * dx + dy * dy)) >= radius) continue;
                } else if (!(a > 100 || (a >= 1 && a <= 9))) {
                    continue;
                }
                if (o.x == x && o.y == y && o.width == w && o.height == h) continue;
                const int px = static_cast<int>(o.x + j), py = static_cast<int>(o.y + k);
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

auto fields(const CollisionHit& h) {
    return std::tuple(h.hit, h.count, h.index, h.hitX, h.hitY, h.kind, h.speedX, h.speedY);
}

ObjectList randomLevel(std::mt19937& rng) {
    const int kinds[] = {0, 2, 3, 4, 6, 10, 11, 12, 14, 17, 18, 19, 20, 21};
    const std::uint8_t alphas[] = {0, 0, 0, 1, 9, 10, 100, 101, 255, 255};
    ObjectList list;
    const int count = 1 + static_cast<int>(rng() % 6);
    for (int n = 0; n < count; ++n) {
        const int w = 1 + static_cast<int>(rng() % 12), h = 1 + static_cast<int>(rng() % 12);
        const float fraction = rng() % 3 == 0 ? 0.5f : 0.0f;
        LevelObject& o = placeFilled(list, kinds[rng() % std::size(kinds)],
                                     static_cast<float>(static_cast<int>(rng() % 30) - 15) + fraction,
                                     static_cast<float>(static_cast<int>(rng() % 30) - 15) - fraction, w, h);
        o.speedX = static_cast<float>(n);
        for (unsigned j = 0; j < static_cast<unsigned>(w); ++j)
            for (unsigned k = 0; k < static_cast<unsigned>(h); ++k)
                o.image.setPixel(j, k, Color{1, 2, 3, alphas[rng() % std::size(alphas)]});
    }
    return list;
}

std::string describe(int round, const ObjectList& list, int x, int y, int w, int h, float dirX, float dirY) {
    std::string s = "round " + std::to_string(round) + " box " + std::to_string(x) + "," + std::to_string(y) + " " +
                    std::to_string(w) + "x" + std::to_string(h) + " dir " + std::to_string(dirX) + "," +
                    std::to_string(dirY);
    for (const auto& o : list)
        s += " [kind " + std::to_string(o->kind) + " at " + std::to_string(o->x) + "," + std::to_string(o->y) + "]";
    return s;
}

}  // namespace

TEST(CollisionReference, QueriesMatchThePlainPixelRuleOnRandomLevels) {
    std::mt19937 rng(20240607);
    const float dirs[] = {-1, 0, 1, 0.25f};
    for (int round = 0; round < 3000; ++round) {
        const ObjectList list = randomLevel(rng);
        const int x = static_cast<int>(rng() % 40) - 25, y = static_cast<int>(rng() % 40) - 25;
        const int w = 1 + static_cast<int>(rng() % 25), h = 1 + static_cast<int>(rng() % 25);
        const float dirX = dirs[rng() % 4], dirY = dirs[rng() % 4];
        const int radius = static_cast<int>(rng() % 15);
        const std::string what = describe(round, list, x, y, w, h, dirX, dirY);
        EXPECT_EQ(fields(queryBox(x, y, w, h, list, dirX, dirY)),
                  fields(plainQuery(x, y, w, h, 0, false, list, dirX, dirY)))
            << what;
        EXPECT_EQ(fields(queryCircle(x, y, w, h, radius, list, dirX, dirY)),
                  fields(plainQuery(x, y, w, h, radius, true, list, dirX, dirY)))
            << what << " circle";
        // An object's own box: the equal-box rule.
        const LevelObject& own = *list[rng() % list.size()];
        const int ox = static_cast<int>(own.x), oy = static_cast<int>(own.y);
        EXPECT_EQ(fields(queryBox(ox, oy, own.width, own.height, list, dirX, dirY)),
                  fields(plainQuery(ox, oy, own.width, own.height, 0, false, list, dirX, dirY)))
            << what << " own box";
        if (::testing::Test::HasFailure()) break;
    }
}
