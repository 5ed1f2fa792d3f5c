#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "GameSession.h"
#include "config/Config.h"

// Not a check: plays through the screens and keeps a picture of each for the README.
// scripts/screenshots runs it (make screenshots) with the folder in TORVE_SCREENSHOTS.
namespace {
const std::filesystem::path shippedGame = TORVE_GAME_DIR;

void keep(const Image& shot, const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(std::getenv("TORVE_SCREENSHOTS")) / (name + ".jpg");
    ASSERT_TRUE(screen::shrunk(shot, 800, 600).saveToFile(path.string())) << path;
    std::cout << "screenshots: " << path.string() << std::endl;
}

void hover(GameSession& session, const ButtonSpot& button) {
    const auto [x, y] = session.centreOf(button);
    session.pointAt(x, y);
    waitSeconds(0.5);  // the hover strip has played to its end
}
}  // namespace

TEST(DISABLED_ScreenshotTour, SplashMenusAndLevels) {
    ASSERT_NE(std::getenv("TORVE_SCREENSHOTS"), nullptr);
    {
        GameSession session;
        // Some way in, with a level of one's own, so the level select has a list to show.
        std::filesystem::create_directories(session.folder() / "levels");
        std::filesystem::copy_file(session.folder() / "Level2.txt", session.folder() / "levels" / "Fir Climb.txt");
        std::ofstream(session.folder() / "save.save") << "500 -300 Level.txt 4";
        std::ofstream(session.folder() / "stats.txt") << "48.120 game Level.txt\n95.400 game Level2.txt\n";
        ASSERT_TRUE(session.start());
        // The card fades in frame by frame, so a slow machine may never show it whole: the
        // shot kept is the one in which it hides most of the menu below the white veil.
        ASSERT_TRUE(session.waitForShot("splash", [&](const Image& s) { return session.showsSplash(s); }, 15));
        const Image& menu = session.picture(screens::mainMenu);
        const screen::Region belowVeil{112, 505, 800, 125};
        Image splash;
        double menuShowing = 1;
        const auto seen = std::chrono::steady_clock::now();
        while (secondsSince(seen) < 4) {
            const Image s = x11::capture(session.display(), session.window());
            const double share = screen::matchingFraction(s, menu, belowVeil);
            if (s.width() == 1024 && share < menuShowing) {
                menuShowing = share;
                splash = s;
            }
        }
        ASSERT_GT(splash.width(), 0u);
        keep(splash, "splash");

        ASSERT_TRUE(session.waitForMenu("main-menu", screens::mainMenu, 5));
        hover(session, buttons::play);
        keep(session.shot("main-menu"), "main-menu");
        session.click(buttons::options);
        session.pointAt(900, 700);
        keep(session.shot("options"), "options");
        session.click(buttons::back);
        session.click(buttons::levels);
        session.pointAt(900, 700);
        keep(session.shot("level-select"), "level-select");
        session.click(buttons::back);
        session.click(buttons::play);
        Image level;
        ASSERT_TRUE(session.waitForStillLevel(&level));
        keep(level, "level1");
        session.hold("Escape", 0.1);
        hover(session, buttons::resume);
        keep(session.shot("pause-menu"), "pause-menu");
    }
    // Each further level from a save that names it, at the start point.
    const Config config((shippedGame / "config.ini").string());
    for (int n = 2; n <= 5; ++n) {
        const std::string name = "Level" + std::to_string(n) + ".txt";
        GameSession session;
        std::ofstream(session.folder() / "save.save")
            << config.text("Debug", "PlayerX", "500") << ' ' << config.text("Debug", "PlayerY", "-300") << ' ' << name
            << ' ' << n;
        ASSERT_TRUE(session.start());
        ASSERT_TRUE(session.skipSplashByClick());
        session.click(buttons::play);
        // The flight carries the ball on by itself; a few seconds in, its scenery shows.
        waitSeconds(n == 5 ? 8 : 3);
        keep(session.shot("level"), "level" + std::to_string(n));
    }
    // The editor on the first level, panned down to its ground: an ink and a pencil stroke
    // drawn with the pointer, the last one selected.
    GameSession session;
    session.process().launch().arguments = {"--edit", "Level.txt"};
    ASSERT_TRUE(session.start());
    waitSeconds(1);
    session.hold("Down", 0.7);
    const auto stroke = [&](const char* brush, float fromX, float y, float toX) {
        session.hold(brush, 0.1);
        session.pointAt(fromX, y);
        x11::xdotool(session.display(), "mousedown 1");
        for (float x = fromX; x <= toX; x += 40) session.pointAt(x, y - 30 * std::sin(x / 90));
        x11::xdotool(session.display(), "mouseup 1");
    };
    stroke("i", 180, 330, 560);
    stroke("p", 600, 260, 900);
    session.hold("v", 0.1);
    session.pointAt(300, 600);
    session.pressLeft();
    keep(session.shot("editor"), "editor");
}
