#include <gtest/gtest.h>

#include <fstream>

#include "GameProcess.h"

namespace {
void expectWindowSize(GameProcess& game, unsigned width, unsigned height) {
    ASSERT_TRUE(game.displayReady());
    ASSERT_TRUE(game.start());
    const unsigned long window = x11::findWindow(game.display(), "Torve", 15);
    ASSERT_NE(window, 0u) << game.standardError();
    const auto geometry = x11::geometry(game.display(), window);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->width, width);
    EXPECT_EQ(geometry->height, height);
    EXPECT_TRUE(game.running());
    x11::requestClose(game.display(), window);
    const auto status = game.waitForExit(10);
    ASSERT_TRUE(status) << "still running after the close request";
    EXPECT_EQ(*status, 0) << game.standardError();
}
}  // namespace

TEST(MainWindow, OpensAtTheConfiguredSizeAndEndsOnTheCloseRequest) {
    GameProcess game;
    expectWindowSize(game, 1024, 768);
}

TEST(MainWindow, SmallerResolutionFromConfig) {
    GameProcess game;
    std::ofstream(game.folder() / "config.ini") << "[Resolution]\nx = 800\ny = 600\n";
    expectWindowSize(game, 800, 600);
}

// A window side the window system cannot make (0 is refused, past 65535 wraps to 0) would end
// the game before it starts; the default size is used instead.
// Between the smallest window that shows the game and the screen's largest mode (1280 x 1024
// on the test's X server).
TEST(MainWindow, AnUnusableResolutionIsHeldWithinWhatTheScreenShows) {
    GameProcess game;
    std::ofstream(game.folder() / "config.ini") << "[Resolution]\nx = 1e9\ny = 0\n";
    expectWindowSize(game, 1280, 240);
}

// The command line's display mode overrules the settings for this start and is written nowhere.
TEST(MainWindow, DisplayModeFromTheCommandLineIsForThisStartOnly) {
    const struct {
        const char* option;
        const char* configured;
        unsigned width, height;
    } cases[] = {{"--fullscreen", "0", 1280, 1024}, {"--windowed", "1", 1024, 768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        GameProcess game;
        const std::string config = std::string("[Resolution]\nFullscreen=") + c.configured + "\n";
        std::ofstream(game.folder() / "config.ini") << config;
        game.launch().arguments = {c.option};
        expectWindowSize(game, c.width, c.height);
        std::ifstream in(game.folder() / "config.ini");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), config);
    }
}
