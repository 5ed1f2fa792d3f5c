#include <gtest/gtest.h>

#include <array>

#include "GameHarness.h"

// A click lands only on the screen where it began, and a question waits to be seen.

TEST(ClickTarget, APressHeldFromAnEarlierScreenClicksNothing) {
    // Skipping the splash with the pointer over Play, and letting go on the menu.
    GameHarness splash;
    splash.pointAt(splash.game->playButton);
    splash.input().setButton(MouseButton::Left, true);
    splash.frames(3);
    ASSERT_EQ(splash.game->state, MainMenu);
    splash.input().setButton(MouseButton::Left, false);
    splash.frames(2);
    EXPECT_EQ(splash.game->state, MainMenu);

    // Letting go of a held throw after Escape, over the resume button.
    GameHarness pause;
    pause.skipSplash();
    pause.click(pause.game->playButton);
    ASSERT_EQ(pause.game->state, Playing);
    pause.pointAt(pause.game->resumeButton);
    pause.input().setButton(MouseButton::Left, true);
    pause.frames(2);
    pause.pause();
    ASSERT_EQ(pause.game->state, PauseMenu);
    pause.input().setButton(MouseButton::Left, false);
    pause.frames(2);
    EXPECT_EQ(pause.game->state, PauseMenu);
    // A press that starts on the pause menu is a click as always.
    pause.click(pause.game->resumeButton);
    EXPECT_EQ(pause.game->state, Playing);
}

TEST(ClickTarget, AQuestionIsNotAnsweredByTheClickThatAskedIt) {
    GameHarness h;
    h.skipSplash();
    h.click(h.game->quitButton);
    ASSERT_EQ(h.game->state, QuitConfirm);
    // The second click of a quick double click.
    h.click(h.game->quitYesButton);
    EXPECT_TRUE(h.window.isOpen());
    EXPECT_EQ(h.game->state, QuitConfirm);
    // Once the question has been shown long enough, yes quits.
    h.answer(h.game->quitYesButton);
    EXPECT_FALSE(h.window.isOpen());

    // The leave question in the pause menu waits the same way.
    GameHarness leave;
    leave.skipSplash();
    leave.click(leave.game->playButton);
    leave.pause();
    leave.click(leave.game->returnButton);
    ASSERT_EQ(leave.game->state, ExitConfirm);
    leave.click(leave.game->desktopButton);
    EXPECT_TRUE(leave.window.isOpen());
}

TEST(ClickTarget, OnePressInTheSlidersOverlapMovesOnlyTheNearerKnob) {
    // Both knobs stand at value 1 (x 710); their hit boxes share y 250 to 260.
    struct Case {
        int pointerY;
        bool soundMoves;
    };
    for (const Case c : {Case{258, true}, Case{252, false}}) {
        GameHarness h{"[Sound]\nMusic_Volume=1\nSound_Volume=1\n"};
        h.skipSplash();
        h.click(h.game->optionsButton);
        h.frame();
        h.pointAt(710, c.pointerY);
        h.input().setButton(MouseButton::Left, true);
        h.frame();
        h.pointAt(610, c.pointerY);
        h.frame();
        h.input().setButton(MouseButton::Left, false);
        h.frame();
        const float moved = 230.f / 330.f;
        EXPECT_FLOAT_EQ(h.game->soundSlider.value, c.soundMoves ? moved : 1.f) << c.pointerY;
        EXPECT_FLOAT_EQ(h.game->musicSlider.value, c.soundMoves ? 1.f : moved) << c.pointerY;
    }
}

TEST(ClickTarget, TheSplashVeilCoversTheWholeLogicalScreen) {
    GameHarness h;
    const Sprite& veil = h.game->whiteVeil;
    ASSERT_EQ(h.game->veilImage.width(), 1u);
    EXPECT_EQ((std::array{veil.x, veil.y, veil.scaleX, veil.scaleY}), (std::array{0.f, 0.f, 1024.f, 768.f}));
}
