#include <gtest/gtest.h>

#include "input/PadControls.h"

namespace {
PadState pluggedIn() {
    PadState pad;
    pad.connected = true;
    return pad;
}
}  // namespace

TEST(PadControls, EachActionHasItsPlaceOnThePadPastTheDeadZone) {
    using A = Action;
    struct Case {
        const char* what;
        void (*set)(PadState&);
        A action;
        bool walking, flying;  // held while walking, while steering the ball
    };
    const Case cases[] = {
        {"stick left", [](PadState& p) { p.leftX = -26; }, A::Left, true, true},
        {"stick left in the dead zone", [](PadState& p) { p.leftX = -25; }, A::Left, false, false},
        {"d-pad right over a stick left", [](PadState& p) { p.leftX = -100, p.dpadX = 100; }, A::Right, true, true},
        {"d-pad right over a stick left", [](PadState& p) { p.leftX = -100, p.dpadX = 100; }, A::Left, false, false},
        {"stick up", [](PadState& p) { p.leftY = -60; }, A::Jump, false, true},
        {"d-pad down", [](PadState& p) { p.dpadY = 100; }, A::Down, false, true},
        {"south", [](PadState& p) { p.setButton(PadButton::South, true); }, A::Jump, true, true},
        {"west", [](PadState& p) { p.setButton(PadButton::West, true); }, A::KeyDoor, true, true},
        {"east", [](PadState& p) { p.setButton(PadButton::East, true); }, A::KeyDoor, false, false},
        {"back", [](PadState& p) { p.setButton(PadButton::Back, true); }, A::Restart, true, true},
        {"start", [](PadState& p) { p.setButton(PadButton::Start, true); }, A::Menu, true, true},
        {"right shoulder", [](PadState& p) { p.setButton(PadButton::RightShoulder, true); }, A::Throw, true, true},
        {"right trigger", [](PadState& p) { p.rightTrigger = 26; }, A::Throw, true, true},
        {"right trigger resting", [](PadState& p) { p.rightTrigger = 25; }, A::Throw, false, false},
        {"left shoulder", [](PadState& p) { p.setButton(PadButton::LeftShoulder, true); }, A::Recall, true, true},
        {"left trigger", [](PadState& p) { p.leftTrigger = 100; }, A::Recall, true, true},
        {"left trigger", [](PadState& p) { p.leftTrigger = 100; }, A::Throw, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PadState pad = pluggedIn();
        c.set(pad);
        EXPECT_EQ(padControls::holds(c.action, pad, false), c.walking);
        EXPECT_EQ(padControls::holds(c.action, pad, true), c.flying);
        pad.connected = false;  // what a pad reported before it was pulled out counts no more
        EXPECT_FALSE(padControls::holds(c.action, pad, true));
    }
}

TEST(PadControls, AMenuFocusMovesOneWayAlongTheAxisPushedFarther) {
    using D = padControls::MenuDirection;
    struct Case {
        float x, y, dpadX, dpadY;
        D expected;
    };
    const Case cases[] = {
        {0, -80, 0, 0, D::Up},   {70, -60, 0, 0, D::Right}, {-20, 90, 0, 0, D::Down},
        {-24, 0, 0, 0, D::None}, {100, 0, 0, -100, D::Up},  {0, 0, -100, 0, D::Left},
    };
    for (const Case& c : cases) {
        PadState pad = pluggedIn();
        pad.leftX = c.x;
        pad.leftY = c.y;
        pad.dpadX = c.dpadX;
        pad.dpadY = c.dpadY;
        EXPECT_EQ(padControls::menuDirection(pad), c.expected) << c.x << "," << c.y << " d-pad " << c.dpadX << "," << c.dpadY;
    }
}
