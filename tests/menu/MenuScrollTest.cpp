#include <gtest/gtest.h>

#include <array>

#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "menu/MenuScroll.h"
#include "platform/HeadlessWindow.h"

namespace {
// A 70 x 70 knob on a 330-pixel track from x 380, with a 100 x 100 hit box: at value 0 the
// box spans x 365..465.
bool writeKnob() {
    TimeSource::useSimulated(true);
    Image knob;
    knob.create(70, 70, Color{0, 0, 0, 255});
    return knob.saveToFile("slider_knob.png");
}

struct MenuScrollTest : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(knobWritten); }
    ~MenuScrollTest() override { TimeSource::useSimulated(false); }

    void frame(MenuScroll& slider, int mx, bool down) {
        window.scriptedInput().mouseX = mx;
        window.scriptedInput().mouseY = 330;
        window.scriptedInput().setButton(MouseButton::Left, down);
        slider.update(window, sounds);
        slider.draw(window);
        TimeSource::advanceFrame();
    }

    TempDir dir;
    FakeSoundBank sounds;
    bool knobWritten = writeKnob();
    HeadlessWindow window;
    MenuScroll slider{330, "slider_knob.png", "slider_knob.png", 380, 300, 100, 100, 0, 0, 1};
};
}  // namespace

TEST_F(MenuScrollTest, DraggingPastEitherEndStopsAtTheTrackEnds) {
    frame(slider, 400, true);
    frame(slider, 100, true);
    EXPECT_FLOAT_EQ(slider.value, 0);
    EXPECT_FLOAT_EQ(slider.x, 380);
    frame(slider, 2000, true);
    EXPECT_FLOAT_EQ(slider.value, 1);
    EXPECT_FLOAT_EQ(slider.x, 710);
    EXPECT_FLOAT_EQ(slider.hitX, 695);
}

TEST_F(MenuScrollTest, GrabOffsetKeepsThePointOfTheKnobUnderThePointer) {
    frame(slider, 0, false);
    frame(slider, 387, true);  // 7 pixels into the knob
    EXPECT_TRUE(slider.dragging);
    EXPECT_FLOAT_EQ(slider.grabOffset, 7);
    EXPECT_FLOAT_EQ(slider.value, 0);  // no jump on the grab
    frame(slider, 420, true);
    EXPECT_FLOAT_EQ(slider.value, 0.1f);
    EXPECT_FLOAT_EQ(slider.x, 413);
    EXPECT_FALSE(slider.changed);
}

TEST_F(MenuScrollTest, ReleaseAnywhereEndsTheDragWithChangedForOneFrame) {
    frame(slider, 400, true);
    frame(slider, 700, true);
    // Released far from the knob's box.
    frame(slider, 900, false);
    EXPECT_FALSE(slider.dragging);
    EXPECT_TRUE(slider.changed);
    EXPECT_FALSE(slider.clicked);
    frame(slider, 900, false);
    EXPECT_FALSE(slider.changed);
    // A click on the knob is taken as a drag, never reported as a click.
    const int knobCentre = static_cast<int>(slider.hitRect.left + 50);
    frame(slider, knobCentre, true);
    frame(slider, knobCentre, false);
    EXPECT_FALSE(slider.clicked);
    EXPECT_TRUE(slider.changed);
}

TEST_F(MenuScrollTest, OwnerValuePlacesKnobAndCutsTheBar) {
    slider.value = 0.5f;
    frame(slider, 0, false);
    EXPECT_FLOAT_EQ(slider.x, 545);
    EXPECT_EQ(slider.fullSprite.rect.left, 0);
    EXPECT_EQ(slider.fullSprite.rect.width, 200);
    EXPECT_EQ(slider.emptySprite.rect.left, 200);
    EXPECT_EQ((std::array{slider.fullSprite.rect.top, slider.emptySprite.rect.top}), (std::array{0, 0}));
    EXPECT_FLOAT_EQ(slider.emptySprite.x, 580);
    EXPECT_FALSE(slider.sprite.flipX || slider.hoverSprite.flipX);  // the knob is never mirrored
    // A press on the bar outside the knob's box does nothing.
    frame(slider, 900, true);
    frame(slider, 900, false);
    EXPECT_FLOAT_EQ(slider.value, 0.5f);
    EXPECT_FALSE(slider.changed);
}

TEST_F(MenuScrollTest, TheKnobStaysUnderThePointerWhateverTheView) {
    // A view twice as wide, as a window of another size gives: the drag maps the pointer
    // as the hover test does.
    window.setView(sf::View(sf::FloatRect(0, 0, 2048, 768)));
    frame(slider, 200, true);  // maps to x 400, inside the knob's box
    ASSERT_TRUE(slider.dragging);
    EXPECT_FLOAT_EQ(slider.grabOffset, 20);
    frame(slider, 233, true);  // maps to x 466
    EXPECT_FLOAT_EQ(slider.value, 0.2f);
}

TEST_F(MenuScrollTest, HoveringOrDraggingTheKnobNeverRings) {
    frame(slider, 400, false);
    EXPECT_TRUE(slider.hoverActive);
    frame(slider, 400, true);
    frame(slider, 500, true);
    for (const char* ring : {"ringain_meny.wav", "ringain_meny2.wav", "ringain_meny3.wav"})
        EXPECT_EQ(sounds.audio.effect(ring).starts, 0) << ring;
}
