#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/HeadlessWindow.h"
#include "player/LevelBuilder.h"
#include "player/ScarfBall.h"
#include "world/WorldVars.h"

namespace {
// The camera stands still at x 350 here, so the steering bounds are 762 on the right and -162 on the left.
class ScarfBallFlight : public ::testing::Test {
protected:
    void SetUp() override {
        savedCamera = worldVars.flightCameraX;
        worldVars.flightCameraX = 350;
    }
    void TearDown() override { worldVars.flightCameraX = savedCamera; }
    void hold(Key k, bool down = true) { window.scriptedInput().setKey(k, down); }
    // Per-frame x steps over n frames.
    std::vector<float> xSteps(int n) {
        std::vector<float> steps;
        for (int i = 0; i < n; ++i) {
            const float before = ball.x;
            ball.update(window, list);
            steps.push_back(ball.x - before);
        }
        return steps;
    }

    TempDir dir;
    HeadlessWindow window;
    ObjectList list;
    ScarfBall ball;
    float savedCamera = 0;
};
}  // namespace

TEST_F(ScarfBallFlight, TheWindAloneCarriesItFivePixelsAFrame) {
    for (float step : xSteps(10)) EXPECT_FLOAT_EQ(step, 5);
    EXPECT_FLOAT_EQ(ball.y, 384);
}

TEST_F(ScarfBallFlight, SteeringRightAddsEightUntilTheRightBound) {
    hold(Key::D);
    const std::vector<float> steps = xSteps(60);
    for (size_t i = 0; i < steps.size(); ++i) {
        // The extra step is taken while x is still left of camera + 412 at the frame's start.
        const float start = 350 + 13 * static_cast<float>(i);
        EXPECT_FLOAT_EQ(steps[i], start < 762 ? 13 : 5) << i;
        if (start >= 762) break;
    }
    EXPECT_EQ(steps.back(), 5);
}

TEST_F(ScarfBallFlight, SteeringLeftGoesBackThreeAFrameDownToTheLeftBound) {
    hold(Key::A);
    for (float step : xSteps(10)) EXPECT_FLOAT_EQ(step, -3);
    xSteps(400);
    // It hovers at the bound: 3 back while beyond it, 5 on when not.
    EXPECT_GE(ball.x, -162 - 3);
    EXPECT_LE(ball.x, -162 + 5);
}

TEST_F(ScarfBallFlight, HeightIsSteeredWithinItsLimits) {
    hold(Key::W);
    for (int i = 0; i < 200; ++i) ball.update(window, list);
    EXPECT_LE(ball.y, -384);
    EXPECT_GT(ball.y, -384 - 7);
    hold(Key::W, false);
    hold(Key::S);
    for (int i = 0; i < 300; ++i) ball.update(window, list);
    EXPECT_GE(ball.y, 1082);
    EXPECT_LT(ball.y, 1082 + 7);
    hold(Key::S, false);
    // A step is taken while the ball is short of the limit, so it may end up to 6 beyond it.
    const struct {
        Key key;
        float from, to;
    } edges[] = {{Key::W, -377, -384}, {Key::W, -383, -390}, {Key::S, 1075, 1082}, {Key::S, 1081, 1088}};
    for (const auto& e : edges) {
        ball.y = e.from;
        hold(e.key);
        for (int i = 0; i < 3; ++i) ball.update(window, list);
        hold(e.key, false);
        EXPECT_FLOAT_EQ(ball.y, e.to) << e.from;
    }
}

TEST_F(ScarfBallFlight, ItRubsOutPencilButNotInk) {
    const int pencil = addBlock(list, 2, 300, 300, 200, 200);
    const int ink = addBlock(list, 3, 500, 300, 200, 200);
    ball.x = 350;
    ball.y = 384;
    ball.update(window, list);
    // The eraser circle is centred 58 right of and 33 below the ball's corner after the wind step.
    EXPECT_EQ(list[pencil]->image.alpha(355 + 58 - 300, 384 + 33 - 300), 0);
    EXPECT_EQ(list[pencil]->image.alpha(0, 0), 255);
    ball.x = 550;
    ball.update(window, list);
    EXPECT_FALSE(list[ink]->imageChanged);
}
