#include <gtest/gtest.h>

#include "GameHarness.h"

// A click lands only on the screen where it began, and a question waits to be seen.

TEST(ClickTarget, APressHeldFromAnEarlierScreenClicksNothing) {
    // Skipping the splash with the pointer over Play, and letting go on the menu.
    GameHarness splash;
    splash.pointAt(splash.menu().play);
    splash.input().setButton(MouseButton::Left, true);
    splash.frames(3);
    ASSERT_EQ(splash.state(), GameState::MainMenu);
    splash.input().setButton(MouseButton::Left, false);
    splash.frames(2);
    EXPECT_EQ(splash.state(), GameState::MainMenu);

    // Letting go of a held throw after Escape, over the resume button.
    GameHarness pause;
    pause.skipSplash();
    pause.click(pause.menu().play);
    ASSERT_EQ(pause.state(), GameState::Playing);
    pause.pointAt(pause.pauseMenu().resume);
    pause.input().setButton(MouseButton::Left, true);
    pause.frames(2);
    pause.pause();
    ASSERT_EQ(pause.state(), GameState::PauseMenu);
    pause.input().setButton(MouseButton::Left, false);
    pause.frames(2);
    EXPECT_EQ(pause.state(), GameState::PauseMenu);
    // A press that starts on the pause menu is a click as always.
    pause.click(pause.pauseMenu().resume);
    EXPECT_EQ(pause.state(), GameState::Playing);
}

TEST(ClickTarget, AQuestionIsNotAnsweredByTheClickThatAskedIt) {
    GameHarness h;
    h.skipSplash();
    h.click(h.menu().quit);
    ASSERT_EQ(h.state(), GameState::QuitConfirm);
    // The second click of a quick double click.
    h.click(h.quitQuestion().yes);
    EXPECT_TRUE(h.window.isOpen());
    EXPECT_EQ(h.state(), GameState::QuitConfirm);
    // Once the question has been shown long enough, yes quits.
    h.answer(h.quitQuestion().yes);
    EXPECT_FALSE(h.window.isOpen());

    // The leave question in the pause menu waits the same way.
    GameHarness leave;
    leave.skipSplash();
    leave.click(leave.menu().play);
    leave.pause();
    leave.click(leave.pauseMenu().leave);
    ASSERT_EQ(leave.state(), GameState::ExitConfirm);
    leave.click(leave.leaveQuestion().desktop);
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
        h.click(h.menu().options);
        h.frame();
        h.pointAt(710, c.pointerY);
        h.input().setButton(MouseButton::Left, true);
        h.frame();
        h.pointAt(610, c.pointerY);
        h.frame();
        h.input().setButton(MouseButton::Left, false);
        h.frame();
        const float moved = 230.f / 330.f;
        EXPECT_FLOAT_EQ(h.options().soundSlider.value, c.soundMoves ? moved : 1.f) << c.pointerY;
        EXPECT_FLOAT_EQ(h.options().musicSlider.value, c.soundMoves ? 1.f : moved) << c.pointerY;
    }
}
