#include "platform/LastDevice.h"

#include <cmath>

namespace {
bool keyboardOrMouseActed(const InputState& now, const InputState& before) {
    if ((now.keys & ~before.keys).any()) return true;
    for (const MouseButton b : {MouseButton::Left, MouseButton::Right})
        if (now.button(b) && !before.button(b)) return true;
    return now.mouseX != before.mouseX || now.mouseY != before.mouseY;
}

bool padActed(const PadState& now, const PadState& before) {
    if ((now.buttons & ~before.buttons).any()) return true;
    const float PadState::*const axes[] = {&PadState::leftX,  &PadState::leftY,       &PadState::rightX,
                                           &PadState::rightY, &PadState::dpadX,       &PadState::dpadY,
                                           &PadState::leftTrigger, &PadState::rightTrigger};
    for (const auto axis : axes)
        if (now.*axis != before.*axis && std::fabs(now.*axis) > PadState::kDeadZone) return true;
    return false;
}
}  // namespace

void LastDevice::note(const InputState& input) {
    if (!input.pad.connected) pad_ = false;
    // A pad just plugged in is compared with one at rest, so what it holds counts at once.
    else if (padActed(input.pad, before_.pad.connected ? before_.pad : PadState{})) pad_ = true;
    else if (keyboardOrMouseActed(input, before_)) pad_ = false;
    before_ = input;
}
