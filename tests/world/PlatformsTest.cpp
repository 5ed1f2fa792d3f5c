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
                if (o->kind >= 4 && o->kind <= 7) stepPlatform(*o, set.mainList, playerX, playerY, 40, 80);
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
