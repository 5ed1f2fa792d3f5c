#pragma once

#include "menu/MenuButton.h"
#include "menu/MenuScroll.h"

// A button of the menus: its picture and hover strip in Content/Menu, its corner, the size of
// the box that takes the pointer (centred on the picture) and where the strip stands from the
// corner.
struct ButtonPlace {
    const char* picture;
    const char* hover;
    float x, y, hitWidth, hitHeight, hoverX, hoverY;
};

// Every button of the menus, screen by screen.
namespace menuLayout {
// clang-format off
constexpr ButtonPlace play         {"b_play.png",          "hover_play.png",        550, 160, 394,  35, -55, -10};
constexpr ButtonPlace options      {"b_options.png",       "hover_options.png",     570, 230, 280,  60, -20,   0};
constexpr ButtonPlace quit         {"b_quit.png",          "hover_play.png",        590, 350, 189,  60, -70,   0};
// In the gap between options and quit, so neither moves.
constexpr ButtonPlace levels       {"b_levels.png",        "hover_options.png",     595, 299, 220,  50, -20,  -5};

constexpr ButtonPlace quitYes      {"yes.png",             "hover_small.png",       760, 320,  95,  60, -30,   0};
constexpr ButtonPlace quitNo       {"no.png",              "hover_small.png",       900, 290,  95,  60, -30,   0};

constexpr ButtonPlace resume       {"ingame_resume.png",   "hover_options.png",     420, 160, 260,  60, -30, -10};
constexpr ButtonPlace restart      {"ingame_restart.png",  "hover_restart.png",     325, 220, 450,  50, -40, -10};
constexpr ButtonPlace pauseOptions {"ingame_options.png",  "hover_options.png",     420, 280, 260,  60, -30, -10};
constexpr ButtonPlace leave        {"ingame_return.png",   "hover_ingame_exit.png", 320, 400, 450,  60, -40, -30};

constexpr ButtonPlace mainMenu     {"ingame_mainmenu.png", "hover_mainmenu.png",    180, 515, 365,  55, -40, -20};
constexpr ButtonPlace desktop      {"ingame_desktop.png",  "hover_desktop.png",     630, 515, 270,  63, -40, -10};
// The options screen's too.
constexpr ButtonPlace back         {"back.png",            "hover_back.png",        160, 635, 165,  50, -30, -10};

constexpr ButtonPlace musicKnob    {"dot.png",             "dot.png",               380, 210, 100, 100,   0,   0};
constexpr ButtonPlace soundKnob    {"dot.png",             "dot.png",               380, 300, 100, 100,   0,   0};
constexpr ButtonPlace fullscreenYes{"yes.png",             "hover_small.png",       550, 385,  95,  60, -30,   0};
constexpr ButtonPlace fullscreenNo {"no.png",              "hover_small.png",       700, 385,  95,  60, -35,   0};

// The level select: the list's top row (the others follow every levelRowPitch pixels, the
// room on their right kept for a choice per row), its page turners and the options' back.
constexpr ButtonPlace levelRow     {"level_row.png",       "hover_row.png",         140, 150, 640,  48, -20, -10};
constexpr float levelRowPitch = 50;
constexpr ButtonPlace earlierLevels{"arrow_up.png",        "hover_small.png",       565, 625,  95,  60, -30,   0};
constexpr ButtonPlace laterLevels  {"arrow_down.png",      "hover_small.png",       680, 625,  95,  60, -30,   0};
// clang-format on
}  // namespace menuLayout

// A button with a six-frame hover strip that rings as it starts.
MenuButton menuButton(const ButtonPlace& place);
// A volume slider whose track starts at `place`.
MenuScroll menuSlider(const ButtonPlace& place);
