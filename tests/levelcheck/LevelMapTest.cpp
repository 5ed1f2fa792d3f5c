#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "levelcheck/CheckedLevel.h"
#include "LevelCheckTestSupport.h"
#include "LevelMap.h"
#include "levelcheck/PlayerStart.h"
#include "TestSupport.h"

using ::testing::HasSubstr;

namespace {

constexpr Color kPaper{255, 255, 255, 255};

LevelMap drawMap(const std::string& level, double scale = 0) {
    return LevelMap::draw(CheckedLevel(level), PlayerStart::fromConfig(), scale);
}

Color at(const LevelMap& map, double worldX, double worldY) {
    return map.image.pixel(static_cast<unsigned>(map.view.toMapX(worldX)), static_cast<unsigned>(map.view.toMapY(worldY)));
}

}  // namespace

TEST(LevelMap, TwoObjectsOnWhitePaper) {
    TempDir dir;
    dir.write("config.ini", "[Debug]\nPlayerX=0\nPlayerY=-60\n[Player]\nSizeX=10\nSizeY=20\n");
    Image block;
    block.create(20, 10, Color{200, 30, 30, 255});
    block.setPixel(5, 5, Color{0, 0, 0, 128});
    block.saveToFile("tw_block.png");
    drawPicture("tw_goal.png", 30, 30, Color{0, 0, 255, 255});
    dir.write("Level.txt", "0 0 tw_block.png 3\n100 0 tw_goal.png 19\n");

    const ToolRun run = runTool({"Level.txt", "--map", "map.png"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("Level.txt: 2 records, 0 errors, 0 warnings; map map.png (194x154, scale 1)"));
    Image written;
    ASSERT_TRUE(written.loadFromFile("map.png"));
    LevelMap map = drawMap("Level.txt");
    EXPECT_EQ(map.view.scale, 1);
    ASSERT_EQ(std::tuple(written.width(), written.height()), std::tuple(map.image.width(), map.image.height()));
    map.image = written;

    EXPECT_EQ(at(map, 10, 2), (Color{200, 30, 30, 255}));
    EXPECT_EQ(at(map, 5, 5), (Color{127, 127, 127, 255}));  // half black over the paper
    EXPECT_EQ(at(map, 100, 15), mapcolour::kGoal);
    EXPECT_EQ(at(map, 115, 0), mapcolour::kGoal);
    EXPECT_EQ(at(map, 115, 15), kPaper);  // the goal's picture is never shown
    EXPECT_EQ(at(map, 60, 5), kPaper);
    EXPECT_EQ(at(map, 0, -50), mapcolour::kStart);
}

TEST(LevelMap, LayersInTheGamesOrderWithTheFirstFrames) {
    TempDir dir;
    dir.write("config.ini", "[Player]\nSizeX=10\nSizeY=20\n");
    Image doors;
    doors.create(505, 280);
    for (unsigned y = 0; y < 280; ++y)
        for (unsigned x = 0; x < 505; ++x)
            doors.setPixel(x, y, Color{static_cast<std::uint8_t>(x / 101 * 50), static_cast<std::uint8_t>(y / 140 * 100 + 1), 7, 255});
    doors.saveToFile("door_animation.png");
    Image flags;
    flags.create(280, 400, Color{9, 9, 9, 255});
    for (unsigned y = 0; y < 400; ++y)
        for (unsigned x = 0; x < 140; ++x) flags.setPixel(x, y, Color{1, 2, 3, 255});
    flags.saveToFile("checkpoint_animation.png");
    drawPicture("ly_wall.png", 50, 50, Color{100, 100, 100, 255});
    drawPicture("ly_key.png", 11, 20, Color{250, 200, 0, 255});
    drawPicture("ly_front.png", 10, 10, Color{0, 200, 0, 255});
    drawPicture("ly_own.png", 101, 140, Color{255, 0, 255, 255});
    dir.write("Level.txt",
              "20 20 ly_front.png 1\n"
              "0 0 ly_key.png 10\n"
              "0 0 ly_own.png 11\n"
              "200 0 ly_own.png 12\n"
              "400 0 ly_own.png 18\n"
              "0 0 ly_wall.png 3\n"
              "1000 0 ly_own.png 19\n");
    const LevelMap map = drawMap("Level.txt");
    ASSERT_EQ(map.view.scale, 1);
    EXPECT_EQ(at(map, 80, 100), (Color{0, 101, 7, 255}));   // closed door: frame 0 of row 2
    EXPECT_EQ(at(map, 250, 50), (Color{200, 1, 7, 255}));   // open door: frame 4 of row 1
    EXPECT_EQ(at(map, 470, 200), (Color{1, 2, 3, 255}));    // checkpoint: frame 0
    EXPECT_EQ(at(map, 400, 100), mapcolour::kCheckpoint);
    EXPECT_EQ(at(map, 10, 40), (Color{100, 100, 100, 255}));  // later in the list, over the door
    EXPECT_EQ(at(map, 12, 5), (Color{250, 200, 0, 255}));     // keys over layer one, centred on 35
    EXPECT_EQ(at(map, 11, 5), (Color{100, 100, 100, 255}));
    EXPECT_EQ(at(map, 22, 5), (Color{250, 200, 0, 255}));
    EXPECT_EQ(at(map, 23, 5), (Color{100, 100, 100, 255}));
    EXPECT_EQ(at(map, 25, 25), (Color{0, 200, 0, 255}));      // the foreground over everything
}

TEST(LevelMap, ScaledToFitWithoutLosingThinLines) {
    TempDir dir;
    dir.write("config.ini", "[Debug]\nPlayerX=0\nPlayerY=0\n[Player]\nSizeX=1\nSizeY=1\n");
    drawPicture("sc_line.png", 1, 100, Color{0, 0, 0, 255});
    drawPicture("sc_dot.png", 1, 1);
    dir.write("Wide.txt", "0 0 sc_line.png 3\n9999 0 sc_dot.png 3\n");
    dir.write("Tall.txt", "0 0 sc_dot.png 3\n0 39999 sc_dot.png 3\n");

    const LevelMap fit = drawMap("Wide.txt");
    EXPECT_EQ(fit.image.width(), 4096u);
    EXPECT_DOUBLE_EQ(fit.view.scale, (4096.0 - 2 * LevelMap::kMargin) / 10000);
    const Color line = at(fit, 0, 50);
    EXPECT_LT(line.r, 200);  // about two fifths of a black pixel
    EXPECT_GT(line.r, 100);
    EXPECT_EQ(at(fit, 50, 50), kPaper);

    const LevelMap quarter = drawMap("Wide.txt", 0.25);
    EXPECT_EQ(quarter.view.scale, 0.25);
    EXPECT_EQ(quarter.image.width(), 2500u + 2 * LevelMap::kMargin);

    const LevelMap tall = drawMap("Tall.txt", 1);
    EXPECT_EQ(tall.image.height(), 16384u);
    EXPECT_LT(tall.view.scale, 0.5);
}

TEST(LevelMap, SeveralLevelsGetTheirOwnFiles) {
    EXPECT_EQ(mapPathFor("maps/out.png", "sub/Level2.txt", false), "maps/out.png");
    EXPECT_EQ(mapPathFor("maps/out.png", "sub/Level2.txt", true), "maps/out-Level2.png");

    TempDir dir;
    dir.write("config.ini", "[Player]\nSizeX=10\nSizeY=20\n");
    drawPicture("sv_goal.png", 10, 10);
    dir.write("One.txt", "0 0 sv_goal.png 19\n");
    dir.write("Two.txt", "0 0 sv_goal.png 19\n");
    std::filesystem::create_directory("maps");
    EXPECT_EQ(runTool({"--map", "maps/m.png", "One.txt", "Two.txt"}).status, 0);
    EXPECT_TRUE(std::filesystem::exists("maps/m-One.png"));
    EXPECT_TRUE(std::filesystem::exists("maps/m-Two.png"));

    const ToolRun unwritable = runTool({"--map", "nowhere/m.png", "One.txt"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_THAT(unwritable.diagnostics(), ::testing::ElementsAre("One.txt: error: cannot write the map to 'nowhere/m.png'"));
}
