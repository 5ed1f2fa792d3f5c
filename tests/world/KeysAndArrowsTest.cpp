#include "WorldFixture.h"
#include "world/ObjectSteps.h"

class KeysAndArrows : public WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        set.platformSpeedX = 2;
    }
    int indexOf(const LevelObject& o) const {
        for (size_t i = 0; i < set.mainList.size(); ++i)
            if (set.mainList[i].get() == &o) return static_cast<int>(i);
        return -1;
    }
    // Every sound runs to its end between frames, so each request shows as a start.
    void step(LevelObject& o, int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            stepObject(o, set.mainList, indexOf(o), sounds);
            audio.finishAll();
        }
    }
    int starts(const std::string& effect) const { return audio.effect(effect).starts; }
    LevelObjectSet set;
};

TEST_F(KeysAndArrows, AKeyDroppedBesideAClosedDoorOpensIt) {
    LevelObject& door = add(set, 11, 200, 0, 101, 140);
    LevelObject& key = add(set, 10, 155, 100, 20, 30);  // its 35-wide box ends 10 px short of the door
    step(key);
    EXPECT_EQ(door.kind, 12);
    EXPECT_EQ(key.x, -9999);
    EXPECT_EQ(starts("open_door.wav"), 1);
}

TEST_F(KeysAndArrows, AFallingKeyLandsOnceAndRestsOnTheSurface) {
    add(set, 3, 0, 200, 400, 20);
    LevelObject& key = add(set, 10, 100, 100, 20, 30);
    key.dropSoundArmed = true;
    step(key, 10);
    EXPECT_EQ(key.y, 170);  // falling 7 a frame, just short of the surface
    EXPECT_EQ(starts("drop_key.wav"), 0);
    step(key);
    EXPECT_EQ(key.y, 170);  // picture bottom on the surface
    step(key, 20);
    EXPECT_EQ(key.y, 170);
    EXPECT_EQ(starts("drop_key.wav"), 1);
    EXPECT_EQ(key.x, 100);
}

TEST_F(KeysAndArrows, AKeyRidesAPlatformMovingLeft) {
    LevelObject& platform = add(set, 7, 100, 200, 200, 20);
    LevelObject& key = add(set, 10, 150, 170, 20, 30);
    for (int i = 0; i < 10; ++i) {
        stepPlatform(platform, set.mainList, -5000, 0, 40, 80, sounds);
        step(key);
    }
    EXPECT_EQ(platform.x, 80);
    EXPECT_EQ(key.x, 130);
    EXPECT_EQ(key.y, 170);
    EXPECT_EQ(starts("drop_key.wav"), 0) << "a key placed in the level rests without a sound";
}

TEST_F(KeysAndArrows, AFlyingArrowBoresThroughTerrainAndDoorsUntilItStrikesAKey) {
    LevelObject& arrow = add(set, 13, 0, 100, 60, 10);
    LevelObject& pencil = add(set, 2, 150, 60, 10, 100);
    LevelObject& ink = add(set, 3, 250, 60, 10, 100);
    LevelObject& door = add(set, 11, 350, 60, 20, 100);
    LevelObject& key = add(set, 10, 450, 110, 35, 30);
    arrow.kind = 17;
    arrow.speedX = 2;
    int frames = 0;
    while (arrow.x != -8999 && frames < 400) {
        step(arrow);
        ++frames;
    }
    EXPECT_EQ(frames, 204);
    EXPECT_EQ(key.x, -9999);
    EXPECT_EQ(arrow.speedX, 0);
    EXPECT_EQ(arrow.speedY, 0);
    EXPECT_EQ(starts("break_key.wav"), 1);
    EXPECT_EQ(starts("break_arrow.wav"), 1);
    // A tunnel through both terrains at the arrow's centre line; the door is untouched.
    EXPECT_EQ(pencil.image.alpha(5, 63), 0);
    EXPECT_EQ(ink.image.alpha(5, 63), 0);
    EXPECT_EQ(pencil.image.alpha(5, 0), 255);
    EXPECT_EQ(door.kind, 11);
    EXPECT_FALSE(door.imageChanged);
}

// A key riding a platform into a wall stays behind, one pixel clear of it on its right and
// flush against it on its left.
TEST_F(KeysAndArrows, AKeyRiddenIntoAWallStaysBehindIt) {
    const struct {
        int kind;
        float wallX, keyX;
    } rides[] = {{6, 330, 294}, {7, 60, 70}};
    for (const auto& r : rides) {
        set = LevelObjectSet();
        set.platformSpeedX = 2;
        LevelObject& platform = add(set, r.kind, 100, 200, 200, 20);
        LevelObject& key = add(set, 10, 190, 170, 20, 30);
        add(set, 3, r.wallX, 100, 10, 90);
        for (int i = 0; i < 80; ++i) {
            stepPlatform(platform, set.mainList, -5000, 0, 40, 80, sounds);
            step(key);
        }
        EXPECT_EQ(key.x, r.keyX) << r.kind;
        EXPECT_EQ(key.y, 170) << r.kind;
    }
}
