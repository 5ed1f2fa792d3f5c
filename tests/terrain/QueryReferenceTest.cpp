// The queries skip pixels that cannot change the result; these runs compare them with the
// plain pixel-by-pixel rule on random levels (kinds, thresholds, fractional positions, every
// direction, clipping at every edge), record field by record field.
#include <gtest/gtest.h>

#include <random>

#include "PlainTerrain.h"
#include "TerrainTestSupport.h"
#include "terrain/Collision.h"

namespace {

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
        EXPECT_EQ(plain::fields(queryBox(x, y, w, h, list, dirX, dirY)),
                  plain::fields(plain::query(x, y, w, h, 0, false, list, dirX, dirY)))
            << what;
        EXPECT_EQ(plain::fields(queryCircle(x, y, w, h, radius, list, dirX, dirY)),
                  plain::fields(plain::query(x, y, w, h, radius, true, list, dirX, dirY)))
            << what << " circle";
        // An object's own box: the equal-box rule.
        const LevelObject& own = *list[rng() % list.size()];
        const int ox = static_cast<int>(own.x), oy = static_cast<int>(own.y);
        EXPECT_EQ(plain::fields(queryBox(ox, oy, own.width, own.height, list, dirX, dirY)),
                  plain::fields(plain::query(ox, oy, own.width, own.height, 0, false, list, dirX, dirY)))
            << what << " own box";
        if (::testing::Test::HasFailure()) break;
    }
}
