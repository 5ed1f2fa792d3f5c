#include "input/PadControls.h"

#include <cmath>

namespace padControls {
namespace {
bool pushed(float value) { return value > PadState::kDeadZone; }

float runAxisX(const PadState& pad) { return pad.dpadX != 0 ? pad.dpadX : pad.leftX; }
float runAxisY(const PadState& pad) { return pad.dpadY != 0 ? pad.dpadY : pad.leftY; }
}  // namespace

bool holds(Action action, const PadState& pad, bool steering) {
    if (!pad.connected) return false;
    switch (action) {
        case Action::Left: return pushed(-runAxisX(pad));
        case Action::Right: return pushed(runAxisX(pad));
        case Action::Jump: return pad.button(PadButton::South) || (steering && pushed(-runAxisY(pad)));
        case Action::Down: return steering && pushed(runAxisY(pad));
        case Action::KeyDoor: return pad.button(PadButton::West);
        case Action::Restart: return pad.button(PadButton::Back);
        case Action::Menu: return pad.button(PadButton::Start);
        case Action::Throw: return pad.button(PadButton::RightShoulder) || pushed(pad.rightTrigger);
        case Action::Recall: return pad.button(PadButton::LeftShoulder) || pushed(pad.leftTrigger);
        default: return false;
    }
}

std::optional<sf::Vector2f> aimDirection(const PadState& pad) {
    const float length = std::hypot(pad.rightX, pad.rightY);
    if (!pad.connected || length <= PadState::kDeadZone) return std::nullopt;
    return sf::Vector2f(pad.rightX / length, pad.rightY / length);
}

MenuDirection menuDirection(const PadState& pad) {
    if (!pad.connected) return MenuDirection::None;
    const bool dpad = pad.dpadX != 0 || pad.dpadY != 0;
    const float x = dpad ? pad.dpadX : pad.leftX, y = dpad ? pad.dpadY : pad.leftY;
    if (std::fabs(x) >= std::fabs(y)) return pushed(x) ? MenuDirection::Right : pushed(-x) ? MenuDirection::Left : MenuDirection::None;
    return pushed(y) ? MenuDirection::Down : pushed(-y) ? MenuDirection::Up : MenuDirection::None;
}

}  // namespace padControls
