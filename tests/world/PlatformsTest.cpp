#include <array>

#include "WorldFixture.h"
#include "terrain/Eraser.h"
#include "world/ObjectSteps.h"

class Platforms : public WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        set.platformSpeedX = 2;
        set.platformSpeedY = 2;
    }
    // Steps every platform of the list once, in list order, as a frame does.
    void frames(int n) {
        for (int f = 0; f < n; ++f)
            for (auto& o : set.mainList)
                if (o->kind >= 4 && o->kind <= 7) stepPlatform(*o, set.mainList, playerX, playerY, 40, 80, sounds);
    }
    LevelObjectSet set;
    float playerX = -5000, playerY = 0;
};

TEST_F(Platforms, AFreePlatformMovesForEver) {
    LevelObject& p = add(set, 6, 0, 0, 100, 20);
    frames(100);
    EXPECT_EQ(p.x, 200);
    EXPECT_EQ(p.speedX, 2);
}

TEST_F(Platforms, AWallStopsAPlatformUntilItIsErased) {
    LevelObject& p = add(set, 6, 0, 0, 100, 20);
    add(set, 2, 150, -40, 10, 100);
    frames(60);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(audio.effect("plattform.wav").state, VoiceStatus::Paused);
    // The boomerang rubs a hole through the pencil wall where the platform runs: a circle of
    // radius 30 round (155, 10), its square's corner 30 + 3 (the rim) up and left of that.
    eraseAt(set.mainList, 122, -23, 30, false);
    frames(5);
    EXPECT_EQ(p.x, 60);
    EXPECT_TRUE(audio.effect("plattform.wav").playing());
}

TEST_F(Platforms, APlatformWaitsForThePlayerInItsWayButCarriesOneStandingOnIt) {
    LevelObject& p = add(set, 6, 0, 0, 100, 20);
    playerX = 104;
    frames(10);
    EXPECT_EQ(p.x, 4);
    playerX = 30;
    playerY = -80;  // feet on the platform's top edge
    frames(10);
    EXPECT_EQ(p.x, 24);
}

TEST_F(Platforms, ADownwardPlatformHandsItsMotionToAHorizontalOneBelow) {
    LevelObject& upper = add(set, 4, 0, 0, 100, 20);
    LevelObject& lower = add(set, 6, 0, 30, 100, 20);
    frames(4);
    EXPECT_EQ(lower.kind, 6);
    EXPECT_EQ(lower.y, 30);
    frames(16);
    EXPECT_EQ(upper.y, 40);
    EXPECT_EQ(lower.kind, 4);
    EXPECT_EQ(lower.y, 62);  // pushed 2 a frame from the fifth frame on, when the boxes first meet
    EXPECT_EQ(lower.x, 40);  // its own base speed still moves it sideways
    EXPECT_EQ(lower.baseSpeedX, 2);
}

TEST_F(Platforms, AfterTheHandOverTheReceiverReturnsToItsBaseSpeed) {
    LevelObject& upper = add(set, 4, 0, 0, 100, 20);
    LevelObject& lower = add(set, 6, 0, 30, 100, 20);
    frames(20);
    ASSERT_EQ(lower.kind, 4);
    upper.x = -9999;  // the hand-over ends
    frames(1);
    const float stoppedAt = lower.y;
    frames(10);
    EXPECT_EQ(lower.speedY, 0);
    EXPECT_EQ(lower.y, stoppedAt);
}

TEST_F(Platforms, ARestartClearsASpeedAcrossThePlatformsOwnDirection) {
    picture("slab.png", 100, 20);
    dir.write("Level.txt", "0 0 slab.png 6\n0 100 slab.png 4\n");
    set.load("Level.txt");
    // As hand-overs leave them: the horizontal one sinking as kind 4, the vertical one pushed sideways as kind 6.
    LevelObject& horizontal = *set.mainList[0];
    LevelObject& vertical = *set.mainList[1];
    horizontal.kind = 4;
    horizontal.speedY = 2;
    vertical.kind = 6;
    vertical.speedX = 2;
    set.load("Level.txt");
    ASSERT_EQ(set.mainList[0].get(), &horizontal);  // reused, not rebuilt
    EXPECT_EQ((std::array{horizontal.kind, vertical.kind}), (std::array{6, 4}));
    EXPECT_EQ((std::array{horizontal.speedX, horizontal.speedY}), (std::array{2.f, 0.f}));
    EXPECT_EQ((std::array{vertical.speedX, vertical.speedY}), (std::array{0.f, 2.f}));
}

TEST_F(Platforms, ARisingPlatformStopsBeforeCrushingItsRider) {
    add(set, 3, 0, 0, 200, 10);
    LevelObject& p = add(set, 5, 50, 200, 100, 20);
    playerX = 80;
    for (int f = 0; f < 100; ++f) {
        playerY = p.y - 80;
        frames(1);
    }
    EXPECT_EQ(p.y, 90);  // the rider's head just below the ceiling's last row
    playerX = -5000;
    frames(100);
    EXPECT_EQ(p.y, 10);
}

TEST_F(Platforms, AFractionalSpeedNeverMoves) {
    set.platformSpeedX = 1.5f;
    LevelObject& p = add(set, 6, 0, 0, 100, 20);
    frames(10);
    EXPECT_EQ(p.x, 0);
}

// A key two steps ahead of a platform moving right stops it only when the key, pushed those
// two steps, would meet terrain; otherwise the platform moves on into the key's place.
TEST_F(Platforms, AKeyAheadStopsAPlatformOnlyWhenTerrainIsBehindIt) {
    for (const bool wall : {true, false}) {
        LevelObjectSet keys;
        keys.platformSpeedX = 2;
        LevelObject& p = add(keys, 6, 0, 0, 100, 20);
        add(keys, 10, 102, 0, 35, 20);
        if (wall) add(keys, 3, 140, -40, 10, 100);
        stepPlatform(p, keys.mainList, playerX, playerY, 40, 80, sounds);
        EXPECT_EQ(p.x, wall ? 0 : 2) << wall;
        EXPECT_EQ(p.speedX, wall ? 0 : 2) << wall;
    }
}
