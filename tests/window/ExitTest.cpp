#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "GameSession.h"

using Leaving = PlayedGame;

TEST_F(Leaving, DesktopButtonOfTheLeaveQuestion) {
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(session.skipSplashByClick());
    session.click(buttons::play);
    ASSERT_TRUE(session.waitForStillLevel(nullptr));
    session.hold("Escape", 0.2);
    ASSERT_TRUE(session.waitForShot("pause-menu", [&](const Image& s) { return session.shows(s, screens::pauseMenu); }, 3));
    session.click(buttons::leave);
    Image question;
    ASSERT_TRUE(session.waitForShot("leave-question", [&](const Image& s) { return session.dimmed(s); },
                                    3, &question));
    session.click(buttons::desktop);
    int status = -1;
    ASSERT_TRUE(session.waitForExitStatus(status)) << "still running after the desktop button";
    EXPECT_EQ(status, 0);
}

TEST_F(Leaving, YesToTheQuitQuestion) {
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(session.skipSplashByClick());
    session.click(buttons::quit);
    ASSERT_TRUE(session.waitForShot("quit-question", [&](const Image& s) { return session.dimmed(s); }, 3));
    session.click(buttons::quitYes);
    int status = -1;
    ASSERT_TRUE(session.waitForExitStatus(status)) << "still running after yes";
    EXPECT_EQ(status, 0);
}

TEST_F(Leaving, CloseBoxWhilePlaying) {
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(session.skipSplashByClick());
    session.click(buttons::play);
    ASSERT_TRUE(session.waitForStillLevel(nullptr));
    x11::requestClose(session.display(), session.window());
    int status = -1;
    ASSERT_TRUE(session.waitForExitStatus(status)) << "still running after the close request";
    EXPECT_EQ(status, 0);
}
