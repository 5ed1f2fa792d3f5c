#include "input/MenuControls.h"

#include "input/PadControls.h"

namespace menuControls {

MenuInputs menuInputsOf(const InputState& input, bool menuHeld) {
    using padControls::MenuDirection;
    const MenuDirection pad = padControls::menuDirection(input.pad);
    const bool padOn = input.pad.connected;
    MenuInputs inputs;
    inputs[FocusUp] = input.held(sf::Keyboard::Up) || pad == MenuDirection::Up;
    inputs[FocusDown] = input.held(sf::Keyboard::Down) || pad == MenuDirection::Down;
    inputs[FocusLeft] = input.held(sf::Keyboard::Left) || pad == MenuDirection::Left;
    inputs[FocusRight] = input.held(sf::Keyboard::Right) || pad == MenuDirection::Right;
    inputs[PressFocused] = input.held(sf::Keyboard::Enter) || input.held(sf::Keyboard::Space) ||
                           (padOn && input.pad.button(PadButton::South));
    inputs[GoBack] = menuHeld || (padOn && input.pad.button(PadButton::East));
    return inputs;
}

}  // namespace menuControls
