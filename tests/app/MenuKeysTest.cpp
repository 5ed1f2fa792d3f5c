#include <gtest/gtest.h>

#include <array>

#include "GameHarness.h"

TEST(MenuKeys, EveryScreenIsDrivenWithKeysAlone) {
    using K = sf::Keyboard;
    GameHarness h{"[Sound]\nMusic_Volume=1\nSound_Volume=1\n"};
    h.pointAt(0, 0);  // the pointer rests away from every button
    h.skipSplash();

    h.tap(K::Down);  // the first button
    EXPECT_TRUE(h.menu().play.focused);
    EXPECT_TRUE(h.menu().play.hoverActive);
    h.tap(K::Down);
    h.tap(K::Down);
    h.tap(K::Up);
    EXPECT_EQ((std::array{h.menu().play.focused, h.menu().options.focused, h.menu().quit.focused}),
              (std::array{false, true, false}));
    h.tap(K::Enter);
    ASSERT_EQ(h.state(), GameState::Options);

    // Music first: two steps of 5 % down, written as a drag would be; then the sound slider.
    h.tap(K::Down);
    h.tap(K::Left);
    h.tap(K::Left);
    h.tap(K::Left);
    h.tap(K::Right);
    EXPECT_FLOAT_EQ(h.options().musicSlider.value, 0.9f);
    EXPECT_NE(h.dir.read("options/config.ini").find("Music_Volume=0.9\n"), std::string::npos);
    h.tap(K::Down);
    h.tap(K::Right);  // already at the end
    EXPECT_FLOAT_EQ(h.options().soundSlider.value, 1.f);
    EXPECT_FLOAT_EQ(h.options().musicSlider.value, 0.9f);
    h.tap(K::Escape);  // back
    ASSERT_EQ(h.state(), GameState::MainMenu);

    h.tap(K::Down);
    h.tap(K::Space);
    ASSERT_EQ(h.state(), GameState::Playing);
    // Escape opens the pause menu while held, and a fresh press there resumes.
    h.holdEscape(true);
    h.frames(3);
    ASSERT_EQ(h.state(), GameState::PauseMenu);
    h.holdEscape(false);
    h.frame();
    h.tap(K::Escape);
    ASSERT_EQ(h.state(), GameState::Playing);

    h.pause();
    h.tap(K::Up);  // from nothing, up lands on the last button: leave
    h.tap(K::Enter);
    ASSERT_EQ(h.state(), GameState::ExitConfirm);
    h.tap(K::Down);
    h.tap(K::Enter);  // too soon after the question appeared
    EXPECT_EQ(h.state(), GameState::ExitConfirm);
    h.frames(static_cast<int>(Question::kGuardSeconds * 60));
    h.tap(K::Enter);
    ASSERT_EQ(h.state(), GameState::MainMenu);

    h.tap(K::Up);
    h.tap(K::Enter);
    ASSERT_EQ(h.state(), GameState::QuitConfirm);
    h.frames(static_cast<int>(Question::kGuardSeconds * 60));
    h.tap(K::Escape);  // no
    EXPECT_EQ(h.state(), GameState::MainMenu);
    EXPECT_TRUE(h.window.isOpen());
}

namespace {
// One touch of the pad: `press` holds for a frame, then everything is let go for a frame.
void touch(GameHarness& h, void (*press)(PadState&)) {
    press(h.input().pad);
    h.frame();
    h.input().pad.release();
    h.frame();
}
void dpadDown(PadState& p) { p.dpadY = 100; }
void south(PadState& p) { p.setButton(PadButton::South, true); }
void east(PadState& p) { p.setButton(PadButton::East, true); }
void start(PadState& p) { p.setButton(PadButton::Start, true); }
}  // namespace

TEST(MenuKeys, EveryScreenIsDrivenWithThePadAlone) {
    GameHarness h{"[Sound]\nMusic_Volume=1\nSound_Volume=1\n"};
    h.pointAt(0, 0);
    h.input().pad.connected = true;
    touch(h, start);
    ASSERT_EQ(h.state(), GameState::MainMenu);
    h.pointAt(h.menu().quit);  // a pointer left over a button: a trigger is no click
    touch(h, [](PadState& p) { p.rightTrigger = 100; });
    ASSERT_EQ(h.state(), GameState::MainMenu);
    h.pointAt(0, 0);

    touch(h, [](PadState& p) { p.leftY = 90; });  // the stick moves the focus as the d-pad does
    touch(h, dpadDown);
    EXPECT_EQ((std::array{h.menu().play.focused, h.menu().options.focused}), (std::array{false, true}));
    touch(h, south);
    ASSERT_EQ(h.state(), GameState::Options);

    touch(h, [](PadState& p) { p.leftX = -50, p.leftY = 90; });  // down and a little left: down only
    ASSERT_TRUE(h.options().musicSlider.focused);
    EXPECT_FLOAT_EQ(h.options().musicSlider.value, 1.f);
    touch(h, [](PadState& p) { p.dpadX = -100; });
    EXPECT_FLOAT_EQ(h.options().musicSlider.value, 0.95f);
    touch(h, east);
    ASSERT_EQ(h.state(), GameState::MainMenu);

    touch(h, dpadDown);
    touch(h, south);
    ASSERT_EQ(h.state(), GameState::Playing);
    touch(h, start);
    ASSERT_EQ(h.state(), GameState::PauseMenu);
    touch(h, east);  // resume
    EXPECT_EQ(h.state(), GameState::Playing);
}
