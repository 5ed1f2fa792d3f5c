#include <gtest/gtest.h>

#include "TerrainTestSupport.h"
#include "terrain/Collision.h"

TEST(Collision, ApproxSqrtIsTheBitLevelEstimate) {
    EXPECT_EQ(approxSqrt(2), 1.5f);
    EXPECT_EQ(approxSqrt(10), 3.25f);
    EXPECT_EQ(approxSqrt(625), 25.765625f);
    EXPECT_EQ(approxSqrt(16), 4.0f);
    EXPECT_EQ(approxDistance(23, 0), 24);  // 24.27: whole pixels, truncated
    EXPECT_EQ(approxDistance(0, -26), 26);
}

TEST(Collision, BoxSolidityThresholds) {
    struct Case {
        std::uint8_t alpha;
        bool solid;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{5, true}, Case{9, true}, Case{10, false},
                         Case{50, false}, Case{100, false}, Case{101, true}, Case{255, true}}) {
        ObjectList list;
        placeFilled(list, 3, 10, 10, 1, 1, Color{0, 0, 0, c.alpha});
        EXPECT_EQ(queryBox(5, 5, 10, 10, list, 0, 1).hit, c.solid) << int(c.alpha);
        // The boomerang counts every pixel that is not fully transparent.
        EXPECT_EQ(queryCircle(5, 5, 10, 10, 50, list, 0, 1).hit, c.alpha != 0) << int(c.alpha);
    }
}

namespace {
struct DirectionCase {
    const char* name;
    float dirX, dirY;
    std::initializer_list<std::string> first, second;
    int hitX, hitY, index, count;
};

// Both objects sit at (100, 200); the query box covers them and more.
const DirectionCase kDirectionCases[] = {
    // Equal height: the earlier object wins over the earlier column; then the earlier column.
    {"down tie", 0, 1, {".....", "...##", ".....", "#...."}, {".....", "#....", ".....", "....."}, 103, 201, 0, 2},
    {"down later object higher", 0, 1, {".....", "...##", ".....", "#...."}, {"....#", ".....", ".....", "....."},
     104, 200, 1, 3},
    {"up tie", 0, -1, {"#....", ".....", "...##"}, {".....", ".....", "#...."}, 103, 202, 0, 2},
    {"up later object lower", 0, -1, {"#....", ".....", "...##", "....."}, {".....", ".....", ".....", "....#"},
     104, 203, 1, 3},
    // Same column: the earlier object, then the earlier row.
    {"right tie", 1, 0, {"..#..", ".....", "#....", "#...."}, {"#....", ".....", ".....", "....."}, 100, 202, 0, 1},
    {"right later object further left", 1, 0, {"..#..", ".....", ".#...", "....."}, {".....", ".....", ".....", "#...."},
     100, 203, 1, 2},
    {"left tie", -1, 0, {"..#..", "....#", "....#"}, {".....", ".....", "....#"}, 104, 201, 0, 2},
    {"dirY decides before dirX", 5, 1, {".....", "..#..", "#...."}, {"....."}, 102, 201, 0, 2},
};
}  // namespace

TEST(Collision, DirectionPicksTheFirstPixelInTheWayAndTiesKeepTheEarlierOne) {
    for (const DirectionCase& c : kDirectionCases) {
        ObjectList list;
        placeArt(list, 3, 100, 200, c.first).speedX = 1.5f;
        placeArt(list, 5, 100, 200, c.second).speedY = -2.5f;
        const CollisionHit hit = queryBox(90, 190, 30, 30, list, c.dirX, c.dirY);
        EXPECT_TRUE(hit.hit) << c.name;
        EXPECT_EQ(hit.hitX, c.hitX) << c.name;
        EXPECT_EQ(hit.hitY, c.hitY) << c.name;
        EXPECT_EQ(hit.index, c.index) << c.name;
        EXPECT_EQ(hit.kind, c.index == 0 ? 3 : 5) << c.name;
        EXPECT_EQ(hit.speedX, c.index == 0 ? 1.5f : 0.0f) << c.name;
        EXPECT_EQ(hit.speedY, c.index == 0 ? 0.0f : -2.5f) << c.name;
        EXPECT_EQ(hit.count, c.count) << c.name;
    }
}

TEST(Collision, NoDirectionNeverHitsAndEmptyListGivesTheEmptyRecord) {
    ObjectList list;
    placeFilled(list, 3, 0, 0, 50, 50);
    const CollisionHit none = queryBox(10, 10, 20, 20, list, 0, 0);
    EXPECT_FALSE(none.hit);
    EXPECT_EQ(none.count, 0);
    EXPECT_FALSE(queryCircle(10, 10, 20, 20, 30, list, 0, 0).hit);

    const CollisionHit empty = queryBox(10, 10, 20, 20, ObjectList{}, 0, 1);
    EXPECT_FALSE(empty.hit);
    EXPECT_EQ(empty.index, -1);
    EXPECT_EQ(empty.hitX, -9999);
    EXPECT_EQ(empty.hitY, -9999);
}

TEST(Collision, AnObjectIgnoresItsOwnBoxButNotOthers) {
    ObjectList list;
    placeFilled(list, 4, 10, 20, 30, 40);
    EXPECT_FALSE(queryBox(10, 20, 30, 40, list, 0, 1).hit);
    EXPECT_TRUE(queryBox(10, 20, 30, 41, list, 0, 1).hit);
    EXPECT_TRUE(queryBox(11, 20, 30, 40, list, 0, 1).hit);
    placeFilled(list, 3, 0, 50, 100, 10);
    const CollisionHit hit = queryBox(10, 20, 30, 40, list, 0, 1);
    EXPECT_EQ(hit.index, 1);
    EXPECT_EQ(hit.hitY, 50);
}

TEST(Collision, RestingOnASurfaceIsNoHitOnePixelDeeperIs) {
    ObjectList list;
    placeFilled(list, 2, 0, 100, 200, 20);
    EXPECT_FALSE(queryBox(50, 10, 40, 90, list, 0, 1).hit);
    const CollisionHit hit = queryBox(50, 11, 40, 90, list, 0, 1);
    EXPECT_TRUE(hit.hit);
    EXPECT_EQ(hit.hitY, 100);
    EXPECT_EQ(hit.hitX, 50);
}

TEST(Collision, BoxesAreClippedAtEveryEdgeOfThePicture) {
    ObjectList list;
    placeFilled(list, 3, 100, 100, 10, 10);
    struct Case {
        int x, y, w, h;
        float dirX, dirY;
        int hitX, hitY;
    };
    for (const Case c : {
             Case{95, 103, 7, 2, -1, 0, 101, 103},  // sticks out left: rightmost column inside the box
             Case{95, 103, 7, 2, 1, 0, 100, 103},
             Case{108, 103, 5, 2, 1, 0, 108, 103},  // sticks out right
             Case{108, 103, 5, 2, -1, 0, 109, 103},
             Case{103, 95, 2, 7, 0, -1, 103, 101},  // sticks out above
             Case{103, 95, 2, 7, 0, 1, 103, 100},
             Case{103, 108, 2, 5, 0, 1, 103, 108},  // sticks out below
             Case{103, 108, 2, 5, 0, -1, 103, 109},
             Case{90, 90, 30, 30, 0, -1, 100, 109},  // the box holds the whole picture
             Case{102, 104, 3, 2, 1, 0, 102, 104},   // the picture holds the whole box
         }) {
        const CollisionHit hit = queryBox(c.x, c.y, c.w, c.h, list, c.dirX, c.dirY);
        EXPECT_EQ(hit.hitX, c.hitX) << c.x << "," << c.y << " dir " << c.dirX << "," << c.dirY;
        EXPECT_EQ(hit.hitY, c.hitY) << c.x << "," << c.y << " dir " << c.dirX << "," << c.dirY;
    }
    // Touching edges do not overlap.
    EXPECT_FALSE(queryBox(90, 100, 10, 10, list, 1, 0).hit);
    EXPECT_FALSE(queryBox(110, 100, 10, 10, list, -1, 0).hit);
    EXPECT_FALSE(queryBox(100, 110, 10, 10, list, 0, -1).hit);
}

TEST(Collision, FractionalAndNegativePositionsTruncateTowardZero) {
    ObjectList list;
    placeFilled(list, 3, -20.5f, -40.75f, 10, 10);
    const CollisionHit right = queryBox(-30, -45, 15, 20, list, 1, 0);
    EXPECT_EQ(right.hitX, -20);
    EXPECT_EQ(right.hitY, -40);
    // Clip end: trunc(-15 - -20.5) = 5 columns, so the last one read is at -16.5.
    EXPECT_EQ(queryBox(-30, -45, 15, 20, list, -1, 0).hitX, -16);
}

TEST(Collision, SkippedKindsAndTheCircleRules) {
    for (int kind : {0, 10, 12, 17, 18, 19, 20}) {
        ObjectList list;
        placeFilled(list, kind, 0, 0, 20, 20);
        EXPECT_FALSE(queryBox(0, 0, 30, 30, list, 0, 1).hit) << kind;
        EXPECT_EQ(queryCircle(0, 0, 30, 30, 100, list, 0, 1).hit, kind == 20) << kind;
    }
    for (int kind : {2, 3, 4, 7, 8, 11, 13, 16, 21, -1}) {
        ObjectList list;
        placeFilled(list, kind, 0, 0, 20, 20);
        EXPECT_TRUE(queryBox(0, 0, 30, 30, list, 0, 1).hit) << kind;
        EXPECT_EQ(queryCircle(0, 0, 30, 30, 100, list, 0, 1).hit, kind != 2) << kind;
    }
}

TEST(Collision, CircleCountsPixelsNearerThanTheRadiusToTheBoxCentre) {
    ObjectList list;
    // Centre of (0, 0, 21, 20) is (10, 10): halving truncates.
    placeArt(list, 3, 15, 10, {"#"});  // approx 5.125: not below 5
    EXPECT_FALSE(queryCircle(0, 0, 21, 20, 5, list, 1, 0).hit);
    EXPECT_TRUE(queryCircle(0, 0, 21, 20, 6, list, 1, 0).hit);
    placeArt(list, 3, 14, 10, {"#"});  // exactly 4
    const CollisionHit hit = queryCircle(0, 0, 21, 20, 5, list, 1, 0);
    EXPECT_EQ(hit.index, 1);
    EXPECT_EQ(hit.hitX, 14);
}

TEST(Collision, OverlapPlatformAndKeyLookups) {
    ObjectList list;
    placeFilled(list, 6, 0, 0, 10, 10);
    placeFilled(list, 10, 5, 0, 10, 10);
    placeFilled(list, 3, 0, 0, 10, 10);
    placeFilled(list, 5, 5, 0, 10, 10);
    placeFilled(list, 10, 8, 0, 10, 10);
    EXPECT_TRUE(objectOverlaps(list, 0, 9, 9, 5, 5));
    EXPECT_FALSE(objectOverlaps(list, 0, 10, 0, 5, 5));
    EXPECT_FALSE(objectOverlaps(list, 7, 0, 0, 5, 5));
    EXPECT_EQ(findOtherPlatform(list, 6, 0, 5, 5, -1), 0);
    EXPECT_EQ(findOtherPlatform(list, 6, 0, 5, 5, 0), 3);
    EXPECT_EQ(findOtherPlatform(list, 20, 0, 5, 5, -1), -1);
    EXPECT_EQ(takeKeyAt(list, 9, 0, 5, 5), 1);
    EXPECT_EQ(list[1]->x, -9999);
    EXPECT_EQ(takeKeyAt(list, 9, 0, 5, 5), 4);
    EXPECT_EQ(takeKeyAt(list, 9, 0, 5, 5), -1);
}
