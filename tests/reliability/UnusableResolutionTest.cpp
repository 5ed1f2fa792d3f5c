#include <gtest/gtest.h>

#include <fstream>

#include "window/GameProcess.h"

// A window side the window system cannot make (0 is refused, past 65535 wraps to 0) would end
// the game before it starts; the default size is used instead.
TEST(UnusableResolution, FallsBackToTheDefaultWindow) {
    GameProcess game;
    std::ofstream(game.folder() / "config.ini") << "[Resolution]\nx = 0\ny = 65536\n";
    ASSERT_TRUE(game.displayReady());
    ASSERT_TRUE(game.start());
    const unsigned long window = x11::findWindow(game.display(), "Torve", 15);
    ASSERT_NE(window, 0u) << game.standardError();
    const auto geometry = x11::geometry(game.display(), window);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->width, 1024u);
    EXPECT_EQ(geometry->height, 768u);
    x11::requestClose(game.display(), window);
    const auto status = game.waitForExit(10);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0) << game.standardError();
}
