#pragma once

#include <SFML/System/Vector2.hpp>
#include <optional>

#include "input/Bindings.h"
#include "platform/Input.h"

// Where the actions sit on a gamepad: the left stick or the d-pad runs (and in the flight also
// steers up and down), south jumps, west takes keys and doors, the right trigger or shoulder
// throws, the left ones recall, back restarts, start opens the menu. Fixed, beside the keys.
namespace padControls {

bool holds(Action action, const PadState& pad, bool steering);

// The right stick's direction, of length 1; nothing while it rests in the dead zone.
std::optional<sf::Vector2f> aimDirection(const PadState& pad);

// Which way the d-pad, or while it rests the left stick, points for moving a menu's focus: one
// way only, along the axis pushed farther.
enum class MenuDirection { None, Up, Down, Left, Right };
MenuDirection menuDirection(const PadState& pad);

}  // namespace padControls
