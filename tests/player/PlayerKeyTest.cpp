#include "player/PlayerFixture.h"

namespace {
class PlayerKeys : public PlayerFixture {
protected:
    // Frames until the key is in hand, at most `limit`.
    int framesUntilCarried(int limit) {
        for (int i = 1; i <= limit; ++i) {
            frame();
            if (player->carriedKey != -1) return i;
        }
        return -1;
    }
    void pressSpace() {
        hold(sf::Keyboard::Space);
        frame();
        hold(sf::Keyboard::Space, false);
        frame();
    }
};
}  // namespace

TEST_F(PlayerKeys, AKeyIsTakenOnlyAfterSixtyFramesWithoutOne) {
    standOnFloor(100);
    const int key = addBlock(list, 10, 110, kFloorTop - 20, 35, 20);
    EXPECT_EQ(framesUntilCarried(100), 61);
    EXPECT_EQ(player->carriedKey, key);
    EXPECT_FLOAT_EQ(list[key]->x, -9999);
    EXPECT_EQ(player->pickupCounter, 0);
}

TEST_F(PlayerKeys, OneDropPerSpacePressAndTheDroppedKeyWaits) {
    standOnFloor(100);
    const int key = addBlock(list, 10, 110, kFloorTop - 20, 35, 20);
    framesUntilCarried(100);

    hold(sf::Keyboard::Space);
    frame();
    EXPECT_EQ(player->carriedKey, -1);
    EXPECT_FLOAT_EQ(list[key]->x, player->x);
    EXPECT_FLOAT_EQ(list[key]->y, player->y);
    EXPECT_TRUE(list[key]->dropSoundArmed);

    // Still holding Space: the key lying under the player comes back after the lockout and stays.
    EXPECT_EQ(framesUntilCarried(100), 60);
    frames(30);
    EXPECT_EQ(player->carriedKey, key);

    hold(sf::Keyboard::Space, false);
    frame();
    hold(sf::Keyboard::Space);
    frame();
    EXPECT_EQ(player->carriedKey, -1);
}

TEST_F(PlayerKeys, SpaceAtAClosedDoorOpensItWithTheKey) {
    standOnFloor(100);
    const int door = addBlock(list, 11, 150, kFloorTop - 150, 20, 150);
    const int key = addBlock(list, 10, 110, kFloorTop - 20, 35, 20);
    framesUntilCarried(100);
    ASSERT_EQ(player->carriedKey, key);

    pressSpace();
    EXPECT_EQ(list[door]->kind, 12);
    EXPECT_EQ(player->carriedKey, -1);
    EXPECT_FLOAT_EQ(list[key]->x, -9999);
    EXPECT_EQ(starts({"open_door.wav", "drop_key.wav"}), 1);
}

TEST_F(PlayerKeys, SpaceWithoutAKeyClosesAnOpenDoorAndHandsBackAUsedKey) {
    standOnFloor(100);
    addBlock(list, 10, 700, kFloorTop - 20, 35, 20);
    const int usedKey = addBlock(list, 10, -9999, 0, 35, 20);
    const int door = addBlock(list, 12, 160, kFloorTop - 150, 20, 150);
    frames(30);

    pressSpace();
    EXPECT_EQ(list[door]->kind, 11);
    EXPECT_EQ(player->carriedKey, usedKey);
    EXPECT_EQ(player->pickupCounter, 0);
    EXPECT_EQ(starts({"close_door.wav"}), 1);
}
