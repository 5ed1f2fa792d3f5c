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

TEST(Collision, DownwardTiesGoToTheEarlierObjectThenTheEarlierColumn) {
    ObjectList list;
    placeArt(list, 3, 100, 200, {".....", "...##", ".....", "#...."}).speedX = 1.5f;
    placeArt(list, 5, 100, 200, {".....", "#....", ".....", "....."});
    CollisionHit hit = queryBox(90, 190, 30, 30, list, 0, 1);
    EXPECT_EQ(std::tuple(hit.hit, hit.hitX, hit.hitY, hit.index, hit.kind, hit.speedX, hit.count),
              std::tuple(true, 103, 201, 0, 3, 1.5f, 2));  // replaced once by column 3 after column 0
    EXPECT_FALSE(queryBox(90, 190, 30, 30, list, 0, 0).hit);  // no direction, no hit
    // A box resting on the top row does not touch it; one pixel lower it does.
    EXPECT_FALSE(queryBox(100, 111, 5, 90, list, 0, 1).hit);
    hit = queryBox(100, 112, 5, 90, list, 0, 1);
    EXPECT_EQ(std::tuple(hit.hitX, hit.hitY), std::tuple(103, 201));
}

TEST(Collision, NegativeFractionalPositionsTruncateTowardZero) {
    ObjectList list;
    placeFilled(list, 3, -20.5f, -40.75f, 10, 10);
    const CollisionHit right = queryBox(-30, -45, 15, 20, list, 1, 0);
    EXPECT_EQ(std::tuple(right.hitX, right.hitY), std::tuple(-20, -40));
    // Clip end: trunc(-15 - -20.5) = 5 columns, so the last one read is at -16.5.
    EXPECT_EQ(queryBox(-30, -45, 15, 20, list, -1, 0).hitX, -16);
}

TEST(Collision, CircleIgnoresPencilReportsTriggersAndMeasuresFromTheBoxCentre) {
    ObjectList list;
    placeFilled(list, 2, 0, 0, 21, 20);
    placeArt(list, 20, 15, 10, {"#"});  // approx 5.125 from (10, 10): centre halving truncates
    EXPECT_FALSE(queryCircle(0, 0, 21, 20, 5, list, 1, 0).hit);
    const CollisionHit hit = queryCircle(0, 0, 21, 20, 6, list, 1, 0);
    EXPECT_EQ(std::tuple(hit.index, hit.kind, hit.hitX), std::tuple(1, 20, 15));
    EXPECT_FALSE(queryBox(0, 0, 21, 20, ObjectList{}, 0, 1).hit);
}

TEST(Collision, ObjectOverlapsNeedArea) {
    ObjectList list;
    placeFilled(list, 6, 0, 0, 10, 10);
    EXPECT_TRUE(objectOverlaps(list, 0, {9, 9, 5, 5}));
    EXPECT_FALSE(objectOverlaps(list, 0, {10, 0, 5, 5}));  // touching edges do not overlap
    EXPECT_FALSE(objectOverlaps(list, 7, {0, 0, 5, 5}));
}
