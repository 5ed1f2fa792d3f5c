#include <gtest/gtest.h>

#include "GameSession.h"
#include "config/Config.h"
#include "platform/FileWriter.h"

namespace {
std::string option(const GameSession& session, const char* section, const char* key) {
    return Config((session.folder() / "config.ini").string()).text(section, key, "(missing)");
}

bool fillsWindow(const GameSession& session, unsigned width, unsigned height) {
    const auto g = x11::geometry(session.display(), session.window());
    return g && g->width == width && g->height == height;
}
}  // namespace

using Screens = PlayedGame;

TEST_F(Screens, PauseMenuOptionsDisplayModesVolumeAndBack) {
    const std::string config = (session.folder() / "config.ini").string();
    // Anything but 1 opens a window; the options screen then writes what it switched to.
    writeProfileString("Resolution", "Fullscreen", "2", config);
    writeProfileString("Sound", "Music_Volume", "0.5", config);
    ASSERT_TRUE(session.startPlaying());
    ASSERT_TRUE(fillsWindow(session, 1024, 768));

    session.hold("Escape", 0.2);
    ASSERT_TRUE(session.waitForMenu("pause-menu", screens::pauseMenu));
    session.click(buttons::pauseOptions);
    ASSERT_TRUE(session.waitForMenu("options", screens::options));

    session.click(buttons::fullscreenNo);
    ASSERT_TRUE(session.awaitNewWindow()) << "the window was not created anew";
    EXPECT_TRUE(session.process().running());
    EXPECT_TRUE(fillsWindow(session, 1024, 768));
    EXPECT_EQ(option(session, "Resolution", "Fullscreen"), "0");
    ASSERT_TRUE(session.waitForMenu("windowed", screens::options));

    session.click(buttons::fullscreenYes);
    ASSERT_TRUE(session.awaitNewWindow());
    const auto full = x11::geometry(session.display(), session.window());
    ASSERT_TRUE(full);
    EXPECT_GT(full->width, 1024u) << "full screen should cover the whole 1280 x 1024 display";
    EXPECT_EQ(option(session, "Resolution", "Fullscreen"), "1");
    ASSERT_TRUE(session.waitForMenu("full-screen", screens::options));

    // Back to a window of the size it had before full screen.
    session.click(buttons::fullscreenNo);
    ASSERT_TRUE(session.awaitNewWindow());
    EXPECT_TRUE(fillsWindow(session, 1024, 768));
    EXPECT_EQ(option(session, "Resolution", "Fullscreen"), "0");
    ASSERT_TRUE(session.waitForMenu("windowed-again", screens::options));

    // The knob's left edge stands at 380 + 330 x volume; it is 70 wide and 66 high.
    session.pointAt(380 + 330 * 0.5f + 35, 210 + 33);
    x11::xdotool(session.display(), "mousedown 1");
    waitSeconds(0.1);
    for (const float x : {400.f, 200.f, 0.f}) session.pointAt(x, 243);
    EXPECT_EQ(option(session, "Sound", "Music_Volume"), "0.5") << "written before the knob was let go";
    x11::xdotool(session.display(), "mouseup 1");
    waitSeconds(0.3);
    session.shot("music-silent");
    EXPECT_EQ(option(session, "Sound", "Music_Volume"), "0");

    session.click(buttons::back);
    ASSERT_TRUE(session.waitForMenu("back-to-pause-menu", screens::pauseMenu));
    session.click(buttons::resume);
    ASSERT_TRUE(session.waitForShot("resumed", [&](const Image& s) { return session.showsLevel(s); }, 3));
    EXPECT_TRUE(session.process().running());
}

TEST_F(Screens, ASmallerWindowShowsTheWholeMenu) {
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(session.skipSplashByClick());
    waitSeconds(0.5);  // lets the hover strips of the buttons settle
    const Image large = session.shot("1024x768");

    x11::xdotool(session.display(), "windowsize " + std::to_string(session.window()) + " 800 600");
    ASSERT_TRUE(
        session.waitForShot("resized", [](const Image& s) { return s.width() == 800 && s.height() == 600; }, 3));
    waitSeconds(0.3);  // until the game has drawn into the new size
    const Image small = session.shot("800x600");
    // Coarse cells: scaling blurs strokes differently, but a cut-off menu changes whole cells.
    const double differs = screen::changedFraction(screen::shrunk(large, 64, 48), screen::shrunk(small, 64, 48),
                                                   screen::Region{0, 0, 64, 48}, 24);
    EXPECT_LT(differs, 0.03) << "the 800 x 600 window does not show the 1024 x 768 menu scaled down";

    // The buttons react where they are drawn.
    session.click(buttons::options);
    EXPECT_TRUE(session.waitForMenu("options", screens::options));
}
