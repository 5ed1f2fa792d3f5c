#include <vector>

#include "input/ControlReader.h"
#include "player/PlayerAnimations.h"
#include "player/PlayerFixture.h"

namespace {
class PlayerAnimation : public PlayerFixture {
protected:
    // Frames (counted from 1) at which the strip showed a new frame while `name` was current.
    std::vector<int> stepFramesWhile(const std::string& name, int frameCount) {
        std::vector<int> steps;
        for (int i = 1; i <= frameCount; ++i) {
            const int shown = player->animation.shownFrame, next = player->animation.nextFrame;
            frame();
            if (player->prevAnimName == name && (player->animation.shownFrame != shown || player->animation.nextFrame != next))
                steps.push_back(i);
        }
        return steps;
    }
    // Names the player went through, without repeats.
    void recordNames(std::vector<std::string>& names, int frameCount) {
        for (int i = 0; i < frameCount; ++i) {
            frame();
            if (names.empty() || names.back() != player->animName) names.push_back(player->animName);
        }
    }
    void drawForcingAStep() {
        player->animation.lastStepTime = -100;
        TimeSource::advanceFrame();
        player->draw(window);
    }
    const Sprite& playerSprite() const { return window.drawn.front(); }
};
}  // namespace

TEST_F(PlayerAnimation, RunJumpFallLand) {
    standOnFloor(100);
    frame();
    hold(sf::Keyboard::D);
    frames(5);
    EXPECT_EQ(player->animName, "RunningRight");
    EXPECT_EQ(playerSprite().rect.top, 0);
    EXPECT_FALSE(playerSprite().flipX);

    hold(sf::Keyboard::W);
    std::vector<std::string> names{"RunningRight"};
    recordNames(names, 1);
    hold(sf::Keyboard::D, false);
    recordNames(names, 80);
    EXPECT_EQ(names, (std::vector<std::string>{"RunningRight", "JumpingRightRunning", "FallingRight", "StandingRight"}));
    EXPECT_FLOAT_EQ(bottom(), kFloorTop);
}

TEST_F(PlayerAnimation, StandingThrowPlaysAtTwiceTheRate) {
    standOnFloor(100);
    frames(10);
    window.scriptedInput().mouseX = 900;
    window.scriptedInput().mouseY = 300;
    holdButton(MouseButton::Left);
    frame();
    ASSERT_EQ(player->animName, "StandingRightTossing");
    ASSERT_FALSE(player->boomerang.ready);

    const std::vector<int> tossSteps = stepFramesWhile("StandingRightTossing", 20);
    ASSERT_GE(tossSteps.size(), 5u);
    for (size_t i = 1; i < tossSteps.size(); ++i) EXPECT_EQ(tossSteps[i] - tossSteps[i - 1], 2);
    // The throw ends when its strip reaches frame 8.
    EXPECT_EQ(player->animName, "StandingRight");
    EXPECT_EQ(player->prevAnimName, "StandingRight");

    const std::vector<int> standSteps = stepFramesWhile("StandingRight", 20);
    ASSERT_GE(standSteps.size(), 3u);
    for (size_t i = 1; i < standSteps.size(); ++i) EXPECT_EQ(standSteps[i] - standSteps[i - 1], 3);
}

TEST_F(PlayerAnimation, APointerOnThePlayersCentreNeitherThrowsNorTosses) {
    standOnFloor(100);
    window.scriptedInput().mouseX = 120;
    window.scriptedInput().mouseY = static_cast<int>(kFloorTop - 45);
    holdButton(MouseButton::Left);
    frames(20);
    EXPECT_TRUE(player->boomerang.ready);
    EXPECT_EQ(player->animName, "StandingRight");
}

TEST_F(PlayerAnimation, AirThrowCutShortByTheCatchContinuesTheJumpStripAtFrameFour) {
    standOnFloor(100);
    frame();
    hold(sf::Keyboard::W);
    frames(2);
    ASSERT_EQ(player->animName, "JumpingRight");
    window.scriptedInput().mouseX = 900;
    holdButton(MouseButton::Left);
    frame();
    ASSERT_EQ(player->animName, "JumpingRightTossing");

    holdButton(MouseButton::Left, false);
    holdButton(MouseButton::Right);
    frame();  // recalled at the end of this update
    ASSERT_TRUE(player->boomerang.ready);
    holdButton(MouseButton::Right, false);

    TimeSource::advanceFrame();
    player->gravityStep(list);
    player->update(window, ControlReader().forPlay(window, false, std::nullopt), list);
    EXPECT_EQ(player->animName, "JumpingRight");
    window.clear();
    drawForcingAStep();
    EXPECT_EQ(player->animation.shownFrame, 4);
    EXPECT_EQ(player->animation.nextFrame, 0);
}

TEST_F(PlayerAnimation, AirborneStripsCarryTheFrameOnAndOthersRestart) {
    player->animName = "JumpingRight";
    while (player->animation.nextFrame != 2) drawForcingAStep();
    player->animName = "FallingRight";
    drawForcingAStep();
    EXPECT_EQ(player->animation.shownFrame, 2);

    player->animName = "RunningRight";
    for (int i = 0; i < 6; ++i) drawForcingAStep();
    player->animName = "JumpingRightRunning";
    drawForcingAStep();
    EXPECT_EQ(player->animation.shownFrame, 0);
}

TEST_F(PlayerAnimation, CarryingAKeyShiftsRowsAndShortensTheStandingStrip) {
    standOnFloor(100);
    auto longestStrip = [this] {
        int highest = 0;
        for (int i = 0; i < 28 * 3 + 10; ++i) {
            frame();
            highest = std::max(highest, player->animation.shownFrame);
        }
        return highest;
    };
    EXPECT_EQ(longestStrip(), 27);
    EXPECT_EQ(playerSprite().rect.top, 900);

    player->carriedKey = addBlock(list, 10, -9999, 0, 35, 20);
    EXPECT_EQ(longestStrip(), 26);
    EXPECT_EQ(playerSprite().rect.top, 2100);
    EXPECT_FLOAT_EQ(playerSprite().x, player->x - 80);
}

TEST_F(PlayerAnimation, AnUnknownNameDrawsOnlyTheBoomerang) {
    player->animName = "Dancing";
    player->boomerang.ready = false;
    player->draw(window);
    ASSERT_EQ(window.drawn.size(), 2u);
    EXPECT_EQ(window.drawn[0].image, &player->boomerang.glowImage);
    EXPECT_EQ(window.drawn[1].image, &player->boomerang.image);
}

TEST(PlayerAnimationTable, EveryNameHasItsRowFramesMirrorAndRate) {
    const struct {
        const char* name;
        AnimationRow row;
    } table[] = {
        {"RunningRight", {1, 21, false, 1}},          {"RunningLeft", {1, 21, true, 1}},
        {"JumpingRightRunning", {2, 3, false, 2}},    {"JumpingLeftRunning", {2, 3, true, 2}},
        {"JumpingRight", {3, 4, false, 2}},           {"JumpingLeft", {3, 4, true, 2}},
        {"FallingRight", {4, 9, false, 1}},           {"FallingLeft", {4, 9, true, 1}},
        {"RunningRightTossing", {6, 4, false, 1}},    {"RunningLeftTossing", {6, 4, true, 1}},
        {"JumpingRightTossing", {7, 4, false, 1}},    {"JumpingLeftTossing", {7, 4, true, 1}},
        {"StandingRightTossing", {9, 10, false, 0.5f}}, {"StandingLeftTossing", {9, 10, true, 0.5f}},
        {"StandingRight", {10, 28, false, 1}},        {"StandingLeft", {10, 28, true, 1}},
    };
    for (const auto& t : table) {
        for (const bool key : {false, true}) {
            AnimationRow row;
            ASSERT_TRUE(lookupAnimation(t.name, key, row)) << t.name;
            EXPECT_EQ(row.row, t.row.row) << t.name;
            // Only the standing strip is one frame shorter with a key in hand.
            EXPECT_EQ(row.frames, t.row.frames - (key && t.row.row == 10 ? 1 : 0)) << t.name;
            EXPECT_EQ(row.mirrored, t.row.mirrored) << t.name;
            EXPECT_EQ(row.periodFactor, t.row.periodFactor) << t.name;
        }
    }
}
