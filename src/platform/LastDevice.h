#pragma once

#include "platform/Input.h"

// Whose hands were last on the controls: the keyboard and mouse, or the gamepad. Only a change
// counts (a fresh press, a moved pointer, a stick or trigger moving outside its dead zone), so
// a key or stick merely held since earlier never takes the controls back.
class LastDevice {
public:
    // Once a frame, with the frame's input.
    void note(const InputState& input);
    // The pad took the controls last and is still plugged in.
    bool pad() const { return pad_; }

private:
    InputState before_;
    bool pad_ = false;
};
