#include <gtest/gtest.h>

#include "terrain/TerrainTestSupport.h"
#include "world/KeyPickup.h"

TEST(KeyPickup, TakesTheFirstKeyOverlappingTheBoxOutOfPlay) {
    ObjectList list;
    placeFilled(list, 6, 0, 0, 10, 10);
    placeFilled(list, 10, 5, 0, 10, 10);
    placeFilled(list, 10, 8, 0, 10, 10);
    EXPECT_EQ(takeKeyAt(list, 9, 0, 5, 5), 1);
    EXPECT_EQ(list[1]->x, LevelObject::kKeyOutOfPlay);
    EXPECT_EQ(takeKeyAt(list, 9, 0, 5, 5), 2);
    EXPECT_EQ(takeKeyAt(list, 9, 0, 5, 5), -1);
}
