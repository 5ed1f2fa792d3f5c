#include <gtest/gtest.h>

#include "GameSession.h"

using Leaving = PlayedGame;

namespace {
// A question takes no answer in its first moments, so the asking click cannot answer it.
constexpr double kReadTheQuestion = 0.5;

void expectEndsWithZero(GameSession& session, const char* after) {
    const auto status = session.process().waitForExit(10);
    ASSERT_TRUE(status) << "still running after " << after;
    EXPECT_EQ(*status, 0);
}
}  // namespace

TEST_F(Leaving, DesktopButtonOfTheLeaveQuestion) {
    ASSERT_TRUE(session.startPlaying());
    session.hold("Escape", 0.2);
    ASSERT_TRUE(session.waitForMenu("pause-menu", screens::pauseMenu));
    session.click(buttons::leave);
    ASSERT_TRUE(session.waitForShot("leave-question", [&](const Image& s) { return session.dimmed(s); }, 3));
    waitSeconds(kReadTheQuestion);
    session.click(buttons::desktop);
    expectEndsWithZero(session, "the desktop button");
}

TEST_F(Leaving, YesToTheQuitQuestion) {
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(session.skipSplashByClick());
    session.click(buttons::quit);
    ASSERT_TRUE(session.waitForShot("quit-question", [&](const Image& s) { return session.dimmed(s); }, 3));
    waitSeconds(kReadTheQuestion);
    session.click(buttons::quitYes);
    expectEndsWithZero(session, "yes");
}

TEST_F(Leaving, CloseBoxWhilePlaying) {
    ASSERT_TRUE(session.startPlaying());
    x11::requestClose(session.display(), session.window());
    expectEndsWithZero(session, "the close request");
}
