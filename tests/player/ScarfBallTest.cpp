#include <gtest/gtest.h>

#include "input/ControlReader.h"
#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "platform/HeadlessWindow.h"
#include "player/LevelBuilder.h"
#include "player/ScarfBall.h"

namespace {
// The camera stands still at x 350 here, so the steering bounds are 762 on the right and -162 on the left.
class ScarfBallFlight : public ::testing::Test {
protected:
    void hold(sf::Keyboard::Key k, bool down = true) { window.scriptedInput().setHeld(k, down); }
    void fly() { ball.update(window, ControlReader().forPlay(window, true, std::nullopt), list, 350, sounds); }
    // Per-frame x steps over n frames.
    std::vector<float> xSteps(int n) {
        std::vector<float> steps;
        for (int i = 0; i < n; ++i) {
            const float before = ball.x;
            fly();
            steps.push_back(ball.x - before);
        }
        return steps;
    }

    TempDir dir;
    FakeSoundBank sounds;
    HeadlessWindow window;
    ObjectList list;
    ScarfBall ball;
};
}  // namespace

TEST_F(ScarfBallFlight, TheWindAloneCarriesItFivePixelsAFrame) {
    for (float step : xSteps(10)) EXPECT_FLOAT_EQ(step, 5);
    EXPECT_FLOAT_EQ(ball.y, 384);
}

TEST_F(ScarfBallFlight, SteeringRightAddsEightUntilTheRightBound) {
    hold(sf::Keyboard::D);
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
    hold(sf::Keyboard::A);
    for (float step : xSteps(10)) EXPECT_FLOAT_EQ(step, -3);
    xSteps(400);
    // It hovers at the bound: 3 back while beyond it, 5 on when not.
    EXPECT_GE(ball.x, -162 - 3);
    EXPECT_LE(ball.x, -162 + 5);
}

TEST_F(ScarfBallFlight, HeightIsSteeredWithinItsLimits) {
    hold(sf::Keyboard::W);
    for (int i = 0; i < 200; ++i) fly();
    EXPECT_LE(ball.y, -384);
    EXPECT_GT(ball.y, -384 - 7);
    hold(sf::Keyboard::W, false);
    hold(sf::Keyboard::S);
    for (int i = 0; i < 300; ++i) fly();
    EXPECT_GE(ball.y, 1082);
    EXPECT_LT(ball.y, 1082 + 7);
    hold(sf::Keyboard::S, false);
    // A step is taken while the ball is short of the limit, so it may end up to 6 beyond it.
    const struct {
        sf::Keyboard::Key key;
        float from, to;
    } edges[] = {{sf::Keyboard::W, -377, -384},
                 {sf::Keyboard::W, -383, -390},
                 {sf::Keyboard::S, 1075, 1082},
                 {sf::Keyboard::S, 1081, 1088}};
    for (const auto& e : edges) {
        ball.y = e.from;
        hold(e.key);
        for (int i = 0; i < 3; ++i) fly();
        hold(e.key, false);
        EXPECT_FLOAT_EQ(ball.y, e.to) << e.from;
    }
}

TEST_F(ScarfBallFlight, ItRubsOutPencilButNotInk) {
    const int pencil = addBlock(list, 2, 300, 300, 200, 200);
    const int ink = addBlock(list, 3, 500, 300, 200, 200);
    ball.x = 350;
    ball.y = 384;
    fly();
    // The eraser circle is centred 58 right of and 33 below the ball's corner after the wind step.
    EXPECT_EQ(list[pencil]->image.alpha(355 + 58 - 300, 384 + 33 - 300), 0);
    EXPECT_EQ(list[pencil]->image.alpha(0, 0), 255);
    ball.x = 550;
    fly();
    EXPECT_FALSE(list[ink]->imageChanged);
}
