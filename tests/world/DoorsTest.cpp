#include <gtest/gtest.h>

#include "terrain/TerrainTestSupport.h"
#include "world/Doors.h"

namespace {
// A 20 x 100 door at (100, 0); the player is 40 x 90.
struct DoorLevel {
    ObjectList list;
    LevelObject& door;
    explicit DoorLevel(int kind) : door(placeFilled(list, kind, 100, 0, 20, 100)) {}
};
}  // namespace

TEST(Doors, OpeningReachesCloseDoorValueOnEachSide) {
    DoorLevel level(11);
    EXPECT_FALSE(tryOpenDoor(45, 0, 40, 90, level.list, -1));  // right edge 85: 15 short of the door
    EXPECT_TRUE(tryOpenDoor(46, 0, 40, 90, level.list, -1));
    EXPECT_FALSE(tryOpenDoor(135, 0, 40, 90, level.list, -1));
    EXPECT_TRUE(tryOpenDoor(134, 0, 40, 90, level.list, -1));
    EXPECT_FALSE(tryOpenDoor(60, 100, 40, 90, level.list, -1));  // reach is horizontal only
    EXPECT_EQ(level.door.kind, 11);  // without a key the answer is only "in reach"
    EXPECT_TRUE(tryOpenDoor(60, 0, 40, 90, level.list, 5));  // no object 5: no key either
    EXPECT_EQ(level.door.kind, 11);

    level.list.rules.closeDoorValue = 30;
    EXPECT_TRUE(tryOpenDoor(31, 0, 40, 90, level.list, -1));
}

TEST(Doors, AKeyOpensTheFirstClosedDoorInReachAndIsUsedUp) {
    DoorLevel level(12);
    LevelObject& closed = placeFilled(level.list, 11, 110, 0, 20, 100);
    LevelObject& other = placeFilled(level.list, 11, 120, 0, 20, 100);
    LevelObject& key = placeFilled(level.list, 10, 300, 0, 35, 20);
    EXPECT_TRUE(tryOpenDoor(60, 0, 40, 90, level.list, 3));
    EXPECT_EQ(closed.kind, 12);
    EXPECT_EQ(other.kind, 11);
    EXPECT_EQ(level.door.kind, 12);
    EXPECT_EQ(key.x, -9999);
    EXPECT_FALSE(tryOpenDoor(300, 200, 40, 90, level.list, 3));
}

TEST(Doors, ClosingGivesBackTheFirstUsedKey) {
    DoorLevel level(12);
    placeFilled(level.list, 3, -9998, 0, 5, 5);
    LevelObject& firstKey = placeFilled(level.list, 10, -9999, 0, 35, 20);
    placeFilled(level.list, 10, -9999, 0, 35, 20);
    int carried = -1;
    EXPECT_FALSE(tryCloseDoor(level.list, 10, 0, 40, 90, carried, 500, 500, 10, 10));  // 50 short
    EXPECT_EQ(level.door.kind, 12);
    EXPECT_TRUE(tryCloseDoor(level.list, 11, 0, 40, 90, carried, 500, 500, 10, 10));
    EXPECT_EQ(level.door.kind, 11);
    EXPECT_EQ(carried, 2);
    EXPECT_EQ(firstKey.x, -9999);  // the caller takes it in hand
}

TEST(Doors, ADoorStaysOpenWhileTheWayIsNotClear) {
    DoorLevel level(12);
    placeFilled(level.list, 10, -9999, 0, 35, 20);
    int carried = -1;
    // The player standing in the doorway.
    EXPECT_FALSE(tryCloseDoor(level.list, 90, 0, 40, 90, carried, 500, 500, 10, 10));
    // The boomerang in the doorway.
    EXPECT_FALSE(tryCloseDoor(level.list, 40, 0, 40, 90, carried, 105, 50, 10, 10));
    // Something solid in the doorway; pencil counts, decoration does not.
    placeFilled(level.list, 0, 105, 40, 10, 10);
    LevelObject& block = placeFilled(level.list, 2, 105, 40, 10, 10);
    EXPECT_FALSE(tryCloseDoor(level.list, 40, 0, 40, 90, carried, 500, 500, 10, 10));
    EXPECT_EQ(level.door.kind, 12);
    EXPECT_EQ(carried, -1);
    block.x = 120;  // only touching the door's edge
    EXPECT_TRUE(tryCloseDoor(level.list, 40, 0, 40, 90, carried, 500, 500, 10, 10));
    EXPECT_EQ(carried, 1);
}

TEST(Doors, WithAKeyInHandClosingIsOnlyAProbe) {
    DoorLevel level(12);
    placeFilled(level.list, 10, -9999, 0, 35, 20);
    int carried = 7;
    EXPECT_TRUE(tryCloseDoor(level.list, 40, 0, 40, 90, carried, 500, 500, 10, 10));
    EXPECT_EQ(level.door.kind, 12);
    EXPECT_EQ(carried, 7);
    EXPECT_FALSE(tryCloseDoor(level.list, 400, 0, 40, 90, carried, 500, 500, 10, 10));
}

TEST(Doors, WithNoUsedKeyAnywhereTheDoorClosesButNothingIsReturned) {
    DoorLevel level(12);
    LevelObject& second = placeFilled(level.list, 12, 125, 0, 20, 100);
    int carried = -1;
    EXPECT_FALSE(tryCloseDoor(level.list, 40, 0, 40, 90, carried, 500, 500, 10, 10));
    EXPECT_EQ(level.door.kind, 11);
    EXPECT_EQ(second.kind, 11);  // the search went on to the next open door
    EXPECT_EQ(carried, -1);
}
