#pragma once

#include <optional>
#include <vector>

#include "menu/MenuButton.h"

struct ScreenPoint {
    int x = 0, y = 0;
};

// Where an input script clicks: the centres of the buttons (window pixels under the fixed
// 1024 x 768 view) of a Game built in the current folder, whose pictures place the boxes.
struct MenuPoints {
    ScreenPoint play, options, back, resume, pauseOptions, pauseReturn, mainMenu, fullscreenNo;
    // The knobs where the configuration puts them, and their centres' x at the value 0.
    ScreenPoint musicKnob, soundKnob;
    int musicKnobZeroX = 0, soundKnobZeroX = 0;
    int sliderLength = 0;
    // Boxes of the buttons that close the game: random clicks stay out of them.
    std::vector<HitRect> closing;

    // Nothing when the process-wide picture cache already holds menu pictures from another
    // folder, which would misplace the boxes: the test needs a process of its own, as ctest
    // gives every test.
    static std::optional<MenuPoints> ofGameHere();
};

inline constexpr char kMenuPointsNeedOwnProcess[] =
    "the picture cache holds another folder's menu pictures; run this test alone (ctest does)";
