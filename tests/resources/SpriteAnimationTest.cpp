#include <gtest/gtest.h>

#include "platform/HeadlessWindow.h"
#include "resources/SpriteAnimation.h"

namespace {
struct AnimationTest : ::testing::Test {
    void SetUp() override {
        TimeSource::useSimulated(true);
        window.recordDraws = true;
        sheet1.create(12 * 10, 40);
        sheet2.create(12 * 10, 40);
        first.setImage(&sheet1);
        second.setImage(&sheet2);
    }
    void TearDown() override { TimeSource::useSimulated(false); }

    // One drawn game frame: step the clock, call animate.
    const Sprite& frame(SpriteAnimation& anim, int frames, bool twoImages = true, bool reverse = false,
                        float period = 0.0f) {
        TimeSource::advanceFrame();
        window.clear();
        animate(anim, first, twoImages ? second : first, 10, 20, 2, frames, window, 5, 6, reverse, period);
        return window.drawn.back();
    }

    HeadlessWindow window;
    Image sheet1, sheet2;
    Sprite first, second;
};
}  // namespace

TEST_F(AnimationTest, StepsNeedStrictlyMoreThanThePeriod) {
    SpriteAnimation anim;
    std::vector<int> stepFrames;
    for (int i = 1; i <= 30; ++i) {
        const int before = anim.shownFrame, nextBefore = anim.nextFrame;
        frame(anim, 10, true, false, 0.1f);
        if (anim.nextFrame != nextBefore || anim.shownFrame != before) stepFrames.push_back(i);
    }
    // 0.1 s is exactly 6 frames: a step comes every seventh call.
    ASSERT_GE(stepFrames.size(), 3u);
    EXPECT_EQ(stepFrames[0], 7);
    EXPECT_EQ(stepFrames[1], 14);
    EXPECT_EQ(stepFrames[2], 21);
}

TEST_F(AnimationTest, FramesTwelveAndOnComeFromTheSecondImage) {
    SpriteAnimation anim;
    for (int f = 0; f < 21; ++f) {
        const Sprite& s = frame(anim, 21);
        EXPECT_EQ(anim.shownFrame, f);
        EXPECT_EQ(s.image, f < 12 ? &sheet1 : &sheet2) << f;
        EXPECT_EQ(s.rect, (IntRect{(f < 12 ? f : f - 12) * 10, 20, 10, 20})) << f;
        EXPECT_EQ(s.x, 5);
        EXPECT_EQ(s.y, 6);
    }
    EXPECT_EQ(anim.nextFrame, 0);
    EXPECT_EQ(frame(anim, 21).image, &sheet1);
}

TEST_F(AnimationTest, OneImageStripContinuesToTheRight) {
    SpriteAnimation anim;
    for (int f = 0; f < 21; ++f) EXPECT_EQ(frame(anim, 21, false).rect.left, f * 10);
}

TEST_F(AnimationTest, OwnerSetFrameBeyondTheStripKeepsTheRectangle) {
    SpriteAnimation anim;
    frame(anim, 4);
    frame(anim, 4);
    const IntRect before = window.drawn.back().rect;
    anim.nextFrame = 4;
    const Sprite& s = frame(anim, 4);
    EXPECT_EQ(s.rect, before);
    EXPECT_EQ(anim.shownFrame, 4);
    EXPECT_EQ(anim.nextFrame, 0);
}

TEST_F(AnimationTest, ReverseWrapsToTheLastFrame) {
    SpriteAnimation anim;
    std::vector<int> shown;
    for (int i = 0; i < 7; ++i) {
        frame(anim, 5, true, true);
        shown.push_back(anim.shownFrame);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 4, 3, 2, 1, 0, 4}));
}

TEST_F(AnimationTest, EmptyRectangleBeforeTheFirstStep) {
    SpriteAnimation anim;
    const Sprite& s = frame(anim, 4, true, false, 0.5f);
    EXPECT_TRUE(s.rect.empty());
}
