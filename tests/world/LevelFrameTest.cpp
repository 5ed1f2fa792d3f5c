#include "WorldFixture.h"

using LevelFrame = WorldFixture;

TEST_F(LevelFrame, ObjectsExactlyUpdateLengthAwayAreSteppedAndFurtherOnesFrozen) {
    config("[Debug]\nPlayerX=500\nPlayerY=100\n[Optimization]\nUpdateLength=1000\n");
    picture("plank.png", 50, 10);
    World& w = play("1500 0 plank.png 7\n");
    run(w, 1);
    EXPECT_EQ(w.objects.mainList[0]->x, 1498);
    w.continueLevel();
    w.player.x = 499.5f;
    run(w, 3);
    EXPECT_EQ(w.objects.mainList[0]->x, 1500);
}

TEST_F(LevelFrame, AGoalLeadsToTheNextLevelAndPastTheLastBackToTheMenu) {
    config("[Debug]\nPlayerX=500\nPlayerY=100\n");
    picture("goal.png", 100, 100);
    dir.write("Level2.txt", "480 80 goal.png 19\n480 80 goal.png 0\n");
    World& w = play("480 80 goal.png 19\n");
    run(w, 1);
    EXPECT_EQ(w.currentLevelName, "Level2.txt");
    EXPECT_EQ(w.objects.mainList.size(), 2u);
    EXPECT_FALSE(w.returnToMenu);
    EXPECT_EQ(dir.read("save.save"), "500 100 Level2.txt 2");
    run(w, 1);
    EXPECT_TRUE(w.returnToMenu);
    EXPECT_EQ(dir.read("save.save"), "500 100 Level.txt 2");
}

TEST_F(LevelFrame, NextLevelNamesFollowTheNumberInTheName) {
    config();
    for (const char* name : {"Level10.txt", "Level11.txt", "Level3.txt", "run1/Level4.txt", "levels/Level3.txt"})
        dir.write(name, "");
    World w(sounds);
    const auto next = [&](const char* from) {
        w.currentLevelName = from;
        return w.nextLevelName() ? w.currentLevelName : std::string("(none)");
    };
    EXPECT_EQ(next("Level9.txt"), "Level10.txt");
    EXPECT_EQ(next("Level10.txt"), "Level11.txt");
    EXPECT_EQ(next("Level2.txt"), "Level3.txt");
    EXPECT_EQ(next("Level.txt"), "(none)");  // no Level2.txt beside it
    EXPECT_EQ(next("Bonus.txt"), "(none)");
    EXPECT_EQ(next("run1/Level3.txt"), "run1/Level4.txt");
    EXPECT_EQ(next("levels/Level2.txt"), "(none)");  // the player's own levels stand alone
    EXPECT_EQ(w.currentLevelName, "levels/Level2.txt");
}

TEST_F(LevelFrame, StartingAnotherLevelDropsTheSpeedLeftFromTheLastOne) {
    config();
    World& world = play("");
    world.player.vx = 5;
    world.player.vy = 12;
    world.player.carriedKey = 3;
    world.changeLevel("Level2.txt");
    EXPECT_EQ(world.player.vx, 0);
    EXPECT_EQ(world.player.vy, 0);
    EXPECT_EQ(world.player.carriedKey, -1);
    EXPECT_EQ(world.player.animName, "FallingRight");
}
