#include <filesystem>

#include "WorldFixture.h"

namespace fs = std::filesystem;

using SaveAndProgress = WorldFixture;

TEST_F(SaveAndProgress, FirstStartWithoutSaveFileBeginsTheFirstLevelFalling) {
    config();
    World w(sounds);
    EXPECT_EQ(w.currentLevelName, "Level.txt");
    EXPECT_EQ(w.checkpointX, 500);
    EXPECT_EQ(w.checkpointY, -300);
    EXPECT_EQ(w.highestLevel, 1);
    EXPECT_EQ(w.player.y, -300);
    EXPECT_EQ(w.player.animName, "FallingRight");
    w.continueLevel();
    EXPECT_EQ(dir.read("save.save"), "500 -300 Level.txt 1");
}

class CheckpointSaves : public WorldFixture {
protected:
    void SetUp() override {
        WorldFixture::SetUp();
        config("[Debug]\nPlayerX=100\nPlayerY=100\n");
        picture("cp.png", 140, 400);
        play("80 0 cp.png 18\n1080 0 cp.png 18\n");
        fs::remove("save.save");
    }
    // Frames until the save file appears, removing it again.
    int framesUntilWrite() {
        for (int f = 1; f <= 1000; ++f) {
            run(*world, 1);
            if (fs::remove("save.save")) return f;
        }
        return -1;
    }
};

TEST_F(CheckpointSaves, ANewCheckpointIsSavedAtOnceThenEveryFiveSecondsWhileStoodOn) {
    run(*world, 1);
    EXPECT_EQ(world->checkpointX, 130);  // centred on the 140-wide picture
    EXPECT_EQ(world->checkpointY, 320);  // feet on its bottom edge
    EXPECT_EQ(dir.read("save.save"), "130 320 Level.txt 1");
    fs::remove("save.save");
    for (int i = 0; i < 2; ++i) {
        const int gap = framesUntilWrite();
        EXPECT_TRUE(gap == 300 || gap == 301) << gap;
    }
}

TEST_F(CheckpointSaves, ARestartLandsOnTheLastCheckpointTouchedWhateverTheDiskDid) {
    run(*world, 1);
    world->player.x = 1100;  // the second checkpoint, well within five seconds
    run(*world, 1);
    EXPECT_EQ(dir.read("save.save"), "1130 320 Level.txt 1");

    fs::remove("save.save");
    fs::create_directory("save.save");  // every write fails from here on
    world->player.x = 100;
    run(*world, 1);
    EXPECT_EQ(world->checkpointX, 130);
    window.scriptedInput().setHeld(sf::Keyboard::R, true);
    world->player.x = 700;
    run(*world, 1);
    EXPECT_EQ(world->player.x, 130);
    EXPECT_EQ(world->player.y, 320);
    EXPECT_EQ(world->player.animName, "StandingRight");
    EXPECT_TRUE(fs::is_directory("save.save"));
}

TEST_F(SaveAndProgress, CompletingTheGameSavesTheFirstLevelStartAndEndsTheFrame) {
    config("[Debug]\nPlayerX=100.5\nPlayerY=100\n");
    picture("goal.png", 100, 100);
    picture("cp.png", 140, 400);
    dir.write("save.save", "100 100 Level.txt 4");
    World& w = play("50 50 goal.png 19\n0 0 cp.png 18\n");
    run(w, 1);
    EXPECT_TRUE(w.returnToMenu);
    EXPECT_EQ(dir.read("save.save"), "100.5 100 Level.txt 4");
    EXPECT_EQ(w.checkpointX, 100);  // the checkpoint after the goal was not stepped

    World next(sounds);  // the fractional position reads back as whole pixels
    EXPECT_EQ(next.checkpointX, 100);
    EXPECT_EQ(next.checkpointY, 100);
    EXPECT_EQ(next.highestLevel, 4);
}

TEST_F(SaveAndProgress, ASaveNamingAnotherLevelIsOverruledByTheStartedOne) {
    config();
    dir.write("save.save", "300 200 Level3.txt 3");
    World w(sounds);
    w.changeLevel("Level2.txt");
    EXPECT_EQ(w.currentLevelName, "Level2.txt");
    EXPECT_EQ(w.player.x, 500);
    EXPECT_EQ(w.player.animName, "FallingRight");
    EXPECT_EQ(dir.read("save.save"), "500 -300 Level2.txt 3");
}

TEST_F(SaveAndProgress, ALevelPlayedApartLeavesTheProgressAndPlayResumesIt) {
    config();
    for (const char* level : {"Level2.txt", "Mine.txt", "Mine2.txt"}) dir.write(level, "");
    dir.write("save.save", "300 200 Level2.txt 2");
    World w(sounds);
    w.playApart("Level2.txt");
    w.changeLevel("Mine2.txt");  // the goal's next level, still apart
    EXPECT_EQ(w.currentLevelName, "Mine2.txt");
    w.continueLevel();
    EXPECT_EQ(w.currentLevelName, "Level2.txt");
    EXPECT_EQ(w.player.x, 300);
    EXPECT_EQ(dir.read("save.save"), "300 200 Level2.txt 2");
}

TEST_F(SaveAndProgress, DamagedSaveFilesReadAsAStreamThenFallBackFieldByField) {
    config();
    for (const char* level : {"Level.txt", "Level2.txt", "Level3.txt"}) dir.write(level, "");
    struct Case {
        const char* content;
        int x, y;
        const char* level;
        int highest;
    };
    const Case cases[] = {
        {"", 500, -300, "Level.txt", 1},
        {"120 -40", 120, -40, "Level.txt", 1},
        // The stream reads a number's whole-number head; what it cannot read is taken word by word.
        {"12x 7 Level2.txt 2", 12, 7, "Level2.txt", 2},
        {"500-300 Level2.txt 2", 500, -300, "Level2.txt", 2},
        {"500.5 -300 Level3.txt 3", 500, -300, "Level3.txt", 3},
        // A level that cannot be read starts the first level from its start, progress kept.
        {"300 200 Missing.txt 3", 500, -300, "Level.txt", 3},
        {"1e99 5 Level3.txt zz", 1, 5, "Level3.txt", 1},
        {"\x01\xff garbage", 500, -300, "Level.txt", 1},
    };
    for (const Case& c : cases) {
        dir.write("save.save", c.content);
        World w(sounds);
        SCOPED_TRACE(c.content);
        EXPECT_EQ(w.checkpointX, c.x);
        EXPECT_EQ(w.checkpointY, c.y);
        EXPECT_EQ(w.currentLevelName, c.level);
        EXPECT_EQ(w.highestLevel, c.highest);
        EXPECT_EQ(w.player.x, c.x);
    }
}
