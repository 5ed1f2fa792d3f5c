#include <gtest/gtest.h>

#include <sstream>

#include "input/InputScript.h"

TEST(InputScript, LinesHoldKeysForTheirFramesAndThePointerStays) {
    std::istringstream in("# warm up\n120 d\n1 d w  # jump\n\n20 lmb mouse=900,300\n5 rmb\n");
    std::string error;
    auto script = parseInputScript(in, error);
    ASSERT_TRUE(script) << error;
    EXPECT_EQ(script->totalFrames(), 146);
    EXPECT_TRUE(script->at(0).held(sf::Keyboard::D));
    EXPECT_FALSE(script->at(0).held(sf::Keyboard::W));
    EXPECT_TRUE(script->at(120).held(sf::Keyboard::W));
    EXPECT_TRUE(script->at(121).button(MouseButton::Left));
    EXPECT_EQ(script->at(121).mouseX, 900);
    EXPECT_EQ(script->at(141).mouseY, 300);
    EXPECT_FALSE(script->at(141).button(MouseButton::Left));
    const InputState after = script->at(1000);
    EXPECT_FALSE(after.button(MouseButton::Right));
    EXPECT_EQ(after.mouseX, 900);
}

TEST(InputScript, BadLinesAreReportedWithTheirNumber) {
    std::string error;
    std::istringstream badCount("10 d\nx d\n");
    EXPECT_FALSE(parseInputScript(badCount, error));
    EXPECT_EQ(error, "line 2: expected a frame count, found 'x'");
    std::istringstream badKey("10 jump\n");
    EXPECT_FALSE(parseInputScript(badKey, error));
    EXPECT_EQ(error, "line 1: unknown input 'jump'");
    std::istringstream badMouse("3 mouse=1\n");
    EXPECT_FALSE(parseInputScript(badMouse, error));
    std::istringstream badStick("3 pad-stick=0,101\n");
    EXPECT_FALSE(parseInputScript(badStick, error));
    EXPECT_EQ(error, "line 1: unknown input 'pad-stick=0,101'");
    std::istringstream negative("-3 d\n");
    EXPECT_FALSE(parseInputScript(negative, error));
}
