#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "GameSession.h"
#include "VirtualPad.h"
#include "config/Config.h"


using Play = PlayedGame;

TEST_F(Play, ClickSkipsTheSplashAndPlayStartsTheFirstLevel) {
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(session.skipSplashByClick()) << "the splash card did not give way to the main menu at a click";
    EXPECT_FALSE(std::filesystem::exists(session.folder() / "save.save")) << "saved before anything was played";

    session.click(buttons::play);
    ASSERT_TRUE(session.waitForShot("level", [&](const Image& s) { return session.showsLevel(s); }, 5));
    EXPECT_EQ(fileText(session.folder() / "save.save"), "500 -300 Level.txt 1");
}

namespace {
// Runs right for a second, then jumps, with whatever controls `holdRun` and `holdJump` press
// (true) and let go (false); the scene before is `standing`.
void expectRunAndJump(GameSession& session, const Image& standing, const std::function<void(bool)>& holdRun,
                      const std::function<void(bool)>& holdJump) {
    // The camera follows the player, so a run to the right moves the scene to the left.
    holdRun(true);
    waitSeconds(1.0);
    holdRun(false);
    Image ran;
    ASSERT_TRUE(session.waitForStillLevel(&ran));
    const int run = screen::horizontalShift(standing, ran, 400);
    EXPECT_GT(run, 60) << "running moved the scene by " << run << " pixels";

    // A jump shows above the player's head: the scene drops where the camera follows the
    // player up, the player rises on the screen where it does not. Either way the changes
    // in the middle of the screen reach higher than a standing sprite is tall.
    const long spriteHeight = Config((session.folder() / "config.ini").string()).integer("Player", "SizeYSprite", 100);
    const screen::Region middle{static_cast<int>(ran.width()) / 2 - 100, 0, 200, static_cast<int>(ran.height())};
    holdJump(true);
    bool held = true;
    int reach = 0;
    const auto start = std::chrono::steady_clock::now();
    while (secondsSince(start) < 1.2) {
        if (held && secondsSince(start) > 0.3) {
            holdJump(false);
            held = false;
        }
        const Image now = x11::capture(session.display(), session.window());
        if (now.width() == ran.width()) reach = std::max(reach, screen::changedRowSpan(ran, now, middle));
    }
    EXPECT_GT(reach, spriteHeight + 40) << "the jump changed only " << reach << " rows around the player";
    Image landed;
    ASSERT_TRUE(session.waitForStillLevel(&landed));
    EXPECT_EQ(screen::verticalShift(ran, landed, 300), 0) << "the player did not come down where it took off";
}
}  // namespace

TEST_F(Play, HeldKeysRunAndJump) {
    Image standing;
    ASSERT_TRUE(session.startPlaying(&standing));
    expectRunAndJump(
        session, standing, [&](bool down) { down ? session.keyDown("d") : session.keyUp("d"); },
        [&](bool down) { down ? session.keyDown("w") : session.keyUp("w"); });
}

// A pad the kernel makes through uinput (root, where the machine offers it), read by the game
// as any pad plugged in.
TEST_F(Play, AGamepadRunsAndJumps) {
    VirtualPad pad;
    if (!pad.unavailable().empty()) GTEST_SKIP() << pad.unavailable();
    Image standing;
    ASSERT_TRUE(session.startPlaying(&standing));
    expectRunAndJump(
        session, standing, [&](bool down) { pad.leftStickX(down ? 100 : 0); },
        [&](bool down) { pad.button(BTN_SOUTH, down); });
}

TEST_F(Play, KeysMeantForAnotherWindowDoNotMoveThePlayer) {
    Image standing;
    ASSERT_TRUE(session.startPlaying(&standing));
    x11::OtherWindow other(session.display(), 1100, 900, 100, 100);
    ASSERT_NE(other.id(), 0u);

    x11::xdotool(session.display(), "windowfocus --sync " + std::to_string(other.id()));
    session.hold("d", 1.0);
    session.focus();
    Image after;
    ASSERT_TRUE(session.waitForStillLevel(&after));
    EXPECT_EQ(screen::horizontalShift(standing, after, 400), 0) << "d held over another window moved the player";

    // A key let go while the focus is elsewhere must not keep the player running.
    session.keyDown("d");
    waitSeconds(0.4);
    x11::xdotool(session.display(), "windowfocus --sync " + std::to_string(other.id()));
    session.keyUp("d");
    session.focus();
    Image stopped;
    ASSERT_TRUE(session.waitForStillLevel(&stopped)) << "the player ran on after d was let go elsewhere";
    EXPECT_GT(screen::horizontalShift(standing, stopped, 400), 30) << "d held in the game did not move the player";
    waitSeconds(0.5);
    const Image later = session.shot("later");
    EXPECT_EQ(screen::horizontalShift(stopped, later, 400), 0) << "the player ran on after d was let go elsewhere";
}

TEST_F(Play, WithoutItsContentFolderTheGameStillReachesALevel) {
    std::filesystem::remove_all(session.folder() / "Content");
    ASSERT_TRUE(session.start());
    // The card lies beside the program, not in the content folder.
    ASSERT_TRUE(session.waitForShot("splash-card", [](const Image& s) {
        return screen::nonWhiteFraction(s, screen::Region{300, 250, 400, 250}) > 0.2;
    }, 10));
    session.pointAt(512, 384);
    session.pressLeft();
    ASSERT_TRUE(session.waitForShot("menu-without-pictures", [](const Image& s) {
        return screen::nonWhiteFraction(s, screen::whole(s)) < 0.01;
    }, 3));

    // Without its picture a button still answers around the point where the picture would start.
    session.click(buttons::play);
    const auto start = std::chrono::steady_clock::now();
    while (fileText(session.folder() / "save.save").empty() && secondsSince(start) < 5) waitSeconds(0.05);
    EXPECT_EQ(fileText(session.folder() / "save.save"), "500 -300 Level.txt 1");
    waitSeconds(1);
    session.shot("level-without-pictures");
    ASSERT_TRUE(session.process().running());
    x11::requestClose(session.display(), session.window());
    const auto status = session.process().waitForExit(10);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
}
