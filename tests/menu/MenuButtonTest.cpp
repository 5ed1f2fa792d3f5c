#include <gtest/gtest.h>

#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "menu/MenuButton.h"
#include "platform/HeadlessWindow.h"

namespace {
void writePicture(const std::string& name, unsigned w, unsigned h) {
    Image picture;
    picture.create(w, h, Color{10, 20, 30, 255});
    ASSERT_TRUE(picture.saveToFile(name));
}

// A 40 x 20 picture at (100, 200) with a 60 x 30 hit box: the box spans x 90..150, y 195..225.
struct MenuButtonTest : ::testing::Test {
    MenuButtonTest() {
        TimeSource::useSimulated(true);
        writePicture("button_still.png", 40, 20);
        writePicture("button_hover.png", 6 * 50, 30);
        window.recordDraws = true;
    }
    ~MenuButtonTest() override { TimeSource::useSimulated(false); }
    int rings() const {
        return audio.effect("ringain_meny.wav").starts + audio.effect("ringain_meny2.wav").starts +
               audio.effect("ringain_meny3.wav").starts;
    }

    MenuButton makeButton(const std::string& hover = "button_hover.png") {
        return MenuButton("button_still.png", hover, 100, 200, 60, 30, -5, -3, 6, false, true);
    }
    // One frame as a screen runs it: update, then draw.
    void frame(MenuButton& button, int mx, int my, bool down) {
        window.scriptedInput().mouseX = mx;
        window.scriptedInput().mouseY = my;
        window.scriptedInput().setButton(MouseButton::Left, down);
        window.clear();
        button.update(window, sounds);
        button.draw(window);
        TimeSource::advanceFrame();
    }

    TempDir dir;
    HeadlessWindow window;
    FakeSoundBank sounds;
    FakeAudio& audio = sounds.audio;
};
}  // namespace

TEST_F(MenuButtonTest, HitBoxIsCentredOnThePictureWithInclusiveEdges) {
    MenuButton button = makeButton();
    EXPECT_FLOAT_EQ(button.hitX, 90);
    EXPECT_FLOAT_EQ(button.hitY, 195);
    const struct {
        int x, y;
        bool inside;
    } probes[] = {{90, 195, true}, {150, 225, true}, {151, 225, false}, {150, 226, false}, {89, 210, false},
                  {120, 194, false}};
    for (const auto& p : probes) {
        frame(button, p.x, p.y, false);
        EXPECT_EQ(button.hovered, p.inside) << p.x << "," << p.y;
    }
}

TEST_F(MenuButtonTest, OnlyAPressAndAReleaseBothInsideMakeAClick) {
    MenuButton button = makeButton();
    // Pressed outside, dragged in, released inside.
    frame(button, 10, 10, true);
    frame(button, 120, 210, true);
    frame(button, 120, 210, false);
    EXPECT_FALSE(button.clicked);
    // Pressed inside, dragged out, released outside.
    frame(button, 120, 210, true);
    EXPECT_TRUE(button.pressed);
    frame(button, 300, 300, true);
    frame(button, 300, 300, false);
    EXPECT_FALSE(button.clicked);
    EXPECT_FALSE(button.pressed);
    // Pressed inside, wandering out and back, released inside.
    frame(button, 120, 210, true);
    frame(button, 300, 300, true);
    frame(button, 121, 211, false);
    EXPECT_TRUE(button.clicked);
    // The click waits for the owner.
    frame(button, 500, 500, false);
    EXPECT_TRUE(button.clicked);
    button.acknowledge();
    EXPECT_FALSE(button.clicked);
    EXPECT_FALSE(button.hoverActive);
}

TEST_F(MenuButtonTest, HoverStripRunsForwardHoldsAndPlaysBackOncePerVisit) {
    MenuButton button = makeButton();
    frame(button, 0, 0, false);
    frame(button, 0, 0, false);
    EXPECT_FALSE(button.hoverActive);
    ASSERT_EQ(window.drawn.size(), 1u);  // the still picture only

    std::vector<int> shown;
    for (int i = 0; i < 16; ++i) {
        frame(button, 120, 210, false);
        EXPECT_TRUE(button.hoverActive);
        ASSERT_EQ(window.drawn.size(), 2u);
        const Sprite& strip = window.drawn.back();
        EXPECT_EQ(strip.rect.left, button.hoverAnim.shownFrame * 50);
        EXPECT_FLOAT_EQ(strip.x, 95);
        EXPECT_FLOAT_EQ(strip.y, 197);
        shown.push_back(button.hoverAnim.shownFrame);
    }
    // One step every second drawn frame at 60 frames per second, then the last frame holds.
    EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 5, 5, 5}));
    EXPECT_EQ(rings(), 1);

    // Leaving plays the strip back; coming back before it ends starts no new visit.
    for (int i = 0; i < 5; ++i) frame(button, 0, 0, false);
    EXPECT_LT(button.hoverAnim.shownFrame, 5);
    frame(button, 120, 210, false);
    EXPECT_TRUE(button.hoverActive);
    EXPECT_EQ(rings(), 1);
    for (int i = 0; i < 30; ++i) frame(button, 0, 0, false);
    EXPECT_FALSE(button.hoverActive);
    EXPECT_EQ(window.drawn.size(), 1u);
    EXPECT_EQ(button.hoverAnim.nextFrame, 0);
    // Only now can a visit begin again, with its ring.
    frame(button, 120, 210, false);
    EXPECT_TRUE(button.hoverActive);
    EXPECT_EQ(rings(), 2);
}

TEST_F(MenuButtonTest, ButtonWithoutHoverPictureStillClicksAndShowsNoStrip) {
    MenuButton button = makeButton("");
    EXPECT_FALSE(button.hasHoverImage);
    frame(button, 120, 210, true);
    frame(button, 120, 210, false);
    EXPECT_TRUE(button.clicked);
    EXPECT_FALSE(button.hoverActive);
    EXPECT_EQ(window.drawn.size(), 1u);
    EXPECT_EQ(rings(), 0);
}

TEST_F(MenuButtonTest, KeepsItsPlaceInTheWindowWhateverTheView) {
    MenuButton button = makeButton();
    window.setView(sf::View(sf::FloatRect(3000, -400, 1024, 768)));
    frame(button, 145, 222, true);
    EXPECT_TRUE(button.hovered);
    frame(button, 145, 222, false);
    EXPECT_TRUE(button.clicked);
    EXPECT_FLOAT_EQ(window.drawn.front().x, 3100);
    EXPECT_FLOAT_EQ(window.drawn.front().y, -200);
    EXPECT_FLOAT_EQ(window.drawn.back().x, 3095);  // the hover strip, offset from the picture
    EXPECT_FLOAT_EQ(window.drawn.back().y, -203);
}
