#include <gtest/gtest.h>

#include "GameHarness.h"

namespace {
const char* kConfig =
    "; tuning\n"
    "[Resolution]\n"
    "x=1280\n"
    "y=720\n"
    "Fullscreen=0\n"
    "\n"
    "[Sound]\n"
    "Music_Volume=0.5\n"
    "Sound_Volume=2\n"
    "\n"
    "[Debug]\n"
    "PlayerX=500\n";

std::string withLine(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

void moveTo(GameHarness& h, int x) {
    h.input().mouseX = x;
    h.frame();
}

void release(GameHarness& h) {
    h.input().setButton(MouseButton::Left, false);
    h.frame();
}

struct Options : ::testing::Test {
    Options() {
        h.dir.write("options/config.ini", kConfig);
        h.skipSplash();
        h.click(h.menu().options);
    }
    std::string written() const { return h.dir.read("options/config.ini"); }

    GameHarness h{kConfig};
};
}  // namespace

TEST_F(Options, SlidersStartFromTheConfigurationHeldWithinTheirTracks) {
    ASSERT_EQ(h.state(), GameState::Options);
    EXPECT_FLOAT_EQ(h.options().musicSlider.value, 0.5f);
    EXPECT_FLOAT_EQ(h.options().soundSlider.value, 1.0f);
    EXPECT_FLOAT_EQ(h.options().soundSlider.x, 380 + 330);
    EXPECT_EQ(written(), kConfig);
}

TEST_F(Options, AFinishedDragWritesItsVolumeOnceKeepingEveryOtherLine) {
    MenuScroll& music = h.options().musicSlider;
    h.pressOn(music);
    moveTo(h, 0);
    EXPECT_FLOAT_EQ(music.value, 0);
    EXPECT_EQ(written(), kConfig);  // nothing written while dragging
    release(h);
    EXPECT_EQ(written(), withLine(kConfig, "Music_Volume=0.5", "Music_Volume=0"));

    // Two thirds of the track is written in default stream formatting.
    MenuScroll& sound = h.options().soundSlider;
    h.pressOn(sound);
    moveTo(h, static_cast<int>(380 + 220 + sound.grabOffset));
    release(h);
    EXPECT_FLOAT_EQ(h.options().soundSlider.value, 220.f / 330.f);
    const std::string expected =
        withLine(withLine(kConfig, "Music_Volume=0.5", "Music_Volume=0"), "Sound_Volume=2", "Sound_Volume=0.666667");
    EXPECT_EQ(written(), expected);
    h.frames(3);
    EXPECT_EQ(written(), expected);
}

TEST_F(Options, DisplayModeSwitchRecreatesTheWindowAndRestoresTheMenuView) {
    h.click(h.options().fullscreenYes);
    EXPECT_EQ(h.window.recreateCount, 1);
    EXPECT_TRUE(h.window.fullscreen);
    EXPECT_EQ(h.window.frameLimit, 64u);
    EXPECT_EQ(written(), withLine(kConfig, "Fullscreen=0", "Fullscreen=1"));
    EXPECT_EQ(h.state(), GameState::Options);

    h.pressOn(h.options().fullscreenNo);
    h.window.setView(sf::View(sf::FloatRect(4000, 4000, 1024, 768)));
    h.releaseInUpdateOnly();
    EXPECT_EQ(h.window.recreateCount, 2);
    EXPECT_FALSE(h.window.fullscreen);
    EXPECT_EQ(h.window.frameLimit, 64u);
    EXPECT_EQ(h.window.view().getCenter(), sf::Vector2f(512, 384));
    EXPECT_EQ(written(), kConfig);
}

TEST_F(Options, FromThePauseMenuTheSwitchReappliesTheCamera) {
    h.click(h.options().back);
    h.click(h.menu().play);
    h.pause();
    h.click(h.pauseMenu().options);
    ASSERT_EQ(h.state(), GameState::Options);

    h.pressOn(h.options().fullscreenNo);
    h.releaseInUpdateOnly();
    EXPECT_EQ(h.window.recreateCount, 1);
    EXPECT_EQ(h.window.view().getCenter(), h.game->world.view.getCenter());
}
