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
TEST(MainWindow, UnusableResolutionFallsBackToTheDefaultWindow) {
    GameProcess game;
    std::ofstream(game.folder() / "config.ini") << "[Resolution]\nx = 0\ny = 65536\n";
    expectWindowSize(game, 1024, 768);
}
