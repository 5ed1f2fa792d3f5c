#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "LevelCheckTestSupport.h"
#include "TestSupport.h"
#include "level/Kinds.h"
#include "world/LevelObjectSet.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

TEST(LevelCheck, RecordsTheGameCannotUse) {
    TempDir dir;
    dir.write("config.ini", "[Player]\nSizeX=20\nSizeY=40\n");
    drawPicture("rp_ground.png", 50, 10);
    drawPicture("rp_huge.png", 8193, 1);
    drawPicture("rp_largest.png", 8192, 1);
    dir.write("rp_text.png", "not a picture");
    dir.write("Level.txt",
              "0 0 rp_ground.png 19\n"
              "0 20 rp_ground.png 9\n"
              "0 40 rp_ground.png -4\n"
              "0 60 rp_missing.png 2\n"
              "0 80 rp_text.png 2\n"
              "0 100\trp_huge.png 0\n"
              "0 120 rp_ground.png 22 0 140 rp_largest.png 0 0 160\n"
              "rp_ground.png abc\n"
              "0 180 rp_ground.png 9\n");
    const ToolRun run = runTool({"Level.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.diagnostics(),
                ElementsAre(StartsWith("Level.txt:2: warning: kind 9 has no role; the game treats it as solid terrain"),
                            StartsWith("Level.txt:3: warning: kind -4 has no role"),
                            StartsWith("Level.txt:4: error: cannot open picture 'rp_missing.png': no such file"),
                            StartsWith("Level.txt:5: error: cannot decode picture 'rp_text.png'"),
                            StartsWith("Level.txt:6: error: picture 'rp_huge.png' is 8193x1 pixels; the game cannot "
                                       "show a picture larger than 8192 pixels on a side"),
                            StartsWith("Level.txt:7: warning: kind 22 has no role"),
                            "Level.txt:8: error: expected an integer kind, found 'abc'; the game loads this record as "
                            "decoration (kind 0) and stops reading the level here"));
    EXPECT_THAT(run.out, HasSubstr("\nLevel.txt: 9 records, 4 errors, 3 warnings\n"));
}

TEST(LevelCheck, ReadingStopsWhereTheGameStops) {
    TempDir dir;
    dir.write("config.ini", "[Player]\nSizeX=20\nSizeY=40\n");
    drawPicture("sp_goal.png", 10, 10);
    dir.write("Left.txt", "0 0 sp_goal.png 19\n\n  left 5 sp_goal.png 2\n");
    dir.write("Cut.txt", "0 0 sp_goal.png 19\n10");
    dir.write("NoKind.txt", "0 0 sp_goal.png 19 5 5\nsp_goal.png");
    dir.write("Fine.txt", "0 0 sp_goal.png 19\n");
    const ToolRun run = runTool({"Left.txt", "Cut.txt", "NoKind.txt", "Fine.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.diagnostics(),
                ElementsAre("Left.txt:3: error: expected an integer x, found 'left'; the game stops reading the level here",
                            "Cut.txt:2: error: expected an integer y, found end of file; the game drops this unfinished "
                            "record",
                            "NoKind.txt:2: error: expected an integer kind, found end of file; the game loads this record "
                            "as decoration (kind 0)"));
    EXPECT_THAT(run.out, HasSubstr("\nNoKind.txt: 2 records, 1 error, 0 warnings\n"));
    EXPECT_EQ(runTool({"Fine.txt"}).status, 0);
}

TEST(LevelCheck, GoalsKeysAndTheFlightLevel) {
    TempDir dir;
    dir.write("config.ini", "[Player]\nSizeX=20\nSizeY=40\n");
    drawPicture("gk_thing.png", 10, 10);
    drawPicture("gk_ground.png", 1000, 1000);
    dir.write("Level.txt", "0 0 gk_thing.png 2\n100 0 gk_thing.png 11\n200 0 gk_thing.png 11\n");
    dir.write("Keyed.txt", "0 0 gk_thing.png 19\n100 0 gk_thing.png 11\n200 0 gk_thing.png 10\n");
    dir.write("Locked.txt", "0 0 gk_thing.png 19\n100 0 gk_thing.png 11\n");
    // The flight level needs no goal, and its player never moves.
    dir.write("Level5.txt", "0 -1000 gk_ground.png 3\n");

    const ToolRun bare = runTool({"Level.txt"});
    EXPECT_EQ(bare.status, 1);
    EXPECT_THAT(bare.diagnostics(),
                ElementsAre("Level.txt:1: error: the level has no goal (kind 19), so it can never be finished",
                            "Level.txt:2: warning: closed door (kind 11), but the level has no key (kind 10) to open it",
                            StartsWith("Level.txt:3: warning: closed door")));
    const ToolRun locked = runTool({"Locked.txt"});
    EXPECT_EQ(locked.status, 0);
    EXPECT_THAT(locked.diagnostics(), ElementsAre(StartsWith("Locked.txt:2: warning: closed door")));
    for (const char* name : {"Keyed.txt", "Level5.txt"}) {
        const ToolRun run = runTool({name});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_THAT(run.diagnostics(), IsEmpty()) << run.out;
    }
}

TEST(LevelCheck, GoalsAndCheckpointsBuriedInTerrainThatStays) {
    TempDir dir;
    dir.write("config.ini", "[Player]\nSizeX=20\nSizeY=40\n");
    drawPicture("bu_ink.png", 40, 40);
    drawPicture("bu_box.png", 10, 10, Color{0, 0, 255, 255});
    drawPicture("bu_half.png", 20, 40);
    drawPicture("bu_faint.png", 40, 40, Color{0, 0, 0, 5});  // invisible but solid
    Image holed;
    holed.create(40, 40, Color{0, 0, 0, 255});
    holed.setPixel(15, 15, Color{0, 0, 0, 50});  // visible but not solid
    holed.saveToFile("bu_holed.png");
    dir.write("Level.txt",
              "0 0 bu_ink.png 3\n"
              "10 10 bu_box.png 19\n"
              "35 10 bu_box.png 18\n"
              "100 0 bu_holed.png 3\n"
              "110 10 bu_box.png 18\n"
              "200 0 bu_ink.png 2\n"
              "210 10 bu_box.png 18\n"
              "300 0 bu_half.png 8\n"
              "320 0 bu_half.png 3\n"
              "315 10 bu_box.png 18\n"
              "400 0 bu_faint.png 3\n"
              "410 10 bu_box.png 19\n"
              "500 0 bu_ink.png 11\n"
              "510 10 bu_box.png 18\n");
    const ToolRun run = runTool({"Level.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.diagnostics(),
                ElementsAre("Level.txt:2: error: goal lies wholly inside solid terrain that never goes away (line 1); "
                            "the player can never touch it",
                            StartsWith("Level.txt:8: warning: kind 8 has no role"),
                            "Level.txt:10: error: checkpoint lies wholly inside solid terrain that never goes away "
                            "(lines 8, 9); the player can never touch it",
                            StartsWith("Level.txt:12: error: goal lies wholly inside solid terrain that never goes away "
                                       "(line 11)"),
                            StartsWith("Level.txt:13: warning: closed door")));
}

// Each kind number laid over a goal: the checker warns of the numbers without a role and finds
// the goal buried by exactly the kinds that stay, ink and those numbers.
TEST(LevelCheck, EveryKindNumberAsTheKindTableHasIt) {
    TempDir dir;
    drawPicture("kt_cover.png", 40, 40);
    drawPicture("kt_goal.png", 10, 10);
    for (int kind = -2; kind <= 22; ++kind) {
        const bool roleless = kind < 0 || kind == 8 || kind == 9 || kind > 21;
        const bool lasting = roleless || kind == 3;
        EXPECT_EQ(kindRoles(kind).known, !roleless) << kind;
        EXPECT_EQ(kindRoles(kind).lasting, lasting) << kind;
        const std::string k = std::to_string(kind);
        dir.write("Level.txt", "0 0 kt_cover.png " + k + "\n10 10 kt_goal.png 19\n900 0 kt_goal.png 10\n");
        std::vector<std::string> expected;
        if (roleless)
            expected.push_back("Level.txt:1: warning: kind " + k +
                               " has no role; the game treats it as solid terrain that is never erased");
        if (lasting)
            expected.push_back("Level.txt:2: error: goal lies wholly inside solid terrain that never goes away "
                               "(line 1); the player can never touch it");
        EXPECT_EQ(runTool({"Level.txt"}).diagnostics(), expected) << kind;
    }
}

TEST(LevelCheck, StartInsideTerrain) {
    TempDir dir;
    dir.write("config.ini", "[Debug]\nPlayerX=100\nPlayerY=50.9\n[Player]\nSizeX=20\nSizeY=40\n");
    drawPicture("st_goal.png", 10, 10);
    drawPicture("st_post.png", 5, 5);
    dir.write("Level.txt", "0 0 st_goal.png 19\n115 85 st_post.png 0\n110 89 st_post.png 3\n");
    dir.write("Clear.txt", "0 0 st_goal.png 19\n115 85 st_post.png 0\n110 90 st_post.png 3\n");
    const ToolRun run = runTool({"Level.txt", "Clear.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.diagnostics(),
                ElementsAre("Level.txt:3: error: the player starts inside this solid terrain: its 20x40 box at the "
                            "start (100, 50; config.ini [Debug] PlayerX, PlayerY) covers its solid pixel at (110, 89)"));
}

TEST(LevelCheck, BadArgumentsAndMissingFiles) {
    TempDir dir;
    dir.write("config.ini", "[Player]\nSizeX=20\nSizeY=40\n");
    drawPicture("ar_goal.png", 10, 10);
    dir.write("Level.txt", "0 0 ar_goal.png 19\n");
    dir.write("a/Level.txt", "0 0 ar_goal.png 19\n");
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--map", "m.png", "--scale", "0", "Level.txt"},
        {"--map", "m.png", "--scale", "1.5", "Level.txt"},
        {"--map", "m.png", "--scale", "x", "Level.txt"},
        {"--map", "m.jpg", "Level.txt"},
        {"--scale", "0.5", "Level.txt"},
        {"--bogus", "Level.txt"},
        {"--map", "m.png", "Level.txt", "a/Level.txt"},  // both would be m-Level.png
    };
    for (const auto& args : bad) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(run.err.empty()) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(runTool({"--help"}).status, 0);

    const ToolRun missing = runTool({"Nope.txt", "Level.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.diagnostics(), ElementsAre("Nope.txt: error: cannot open the level file"));
    EXPECT_THAT(missing.out, HasSubstr("Level.txt: 1 record, 0 errors, 0 warnings"));
}

// A level's pictures are looked for beside it, then in the game's folder, by the game and the
// checker alike; two levels naming the same file beside them each get their own.
TEST(LevelCheck, PicturesAreFoundBesideTheLevelFirstAsTheGameFindsThem) {
    TempDir dir;
    dir.write("a/Own.txt", "0 0 bl_pic.png 3\n");
    dir.write("b/Own.txt", "0 0 bl_pic.png 3\n9 9 bl_goal.png 19\n");
    dir.write("c/Own.txt", "0 0 bl_pic.png 3\n");
    drawPicture("bl_pic.png", 30, 5);
    drawPicture("a/bl_pic.png", 10, 5);
    drawPicture("b/bl_pic.png", 20, 5);
    drawPicture("b/bl_goal.png", 5, 5);
    std::vector<int> widths;
    for (const char* level : {"a/Own.txt", "b/Own.txt", "c/Own.txt"}) {
        LevelObjectSet set;
        set.load(level);
        widths.push_back(set.mainList.at(0)->width);
    }
    EXPECT_EQ(widths, (std::vector<int>{10, 20, 30}));
    EXPECT_THAT(runTool({"b/Own.txt"}).diagnostics(), IsEmpty());
}
