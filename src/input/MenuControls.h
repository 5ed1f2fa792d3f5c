#pragma once

#include <bitset>

#include "platform/Input.h"

// Menus without a pointer: the arrows, the d-pad or the left stick move a focus over a screen's
// buttons, Enter, Space or the pad's south button presses the focused one, the menu key
// (Escape, start) or the east button the screen's back or resume button.
namespace menuControls {

enum MenuInput { FocusUp, FocusDown, FocusLeft, FocusRight, PressFocused, GoBack, MenuInputCount };
using MenuInputs = std::bitset<MenuInputCount>;

// `menuHeld` is the bindings' Menu action this frame, which the window answers.
MenuInputs menuInputsOf(const InputState& input, bool menuHeld);

}  // namespace menuControls
