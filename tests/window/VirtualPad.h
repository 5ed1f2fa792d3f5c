#pragma once

#include <string>
#include <vector>

// A gamepad the kernel makes at the test's request through /dev/uinput, as if one were plugged
// in: two sticks, two triggers, a d-pad and the usual buttons. Where the machine cannot make
// one, `unavailable` says why.
class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // Empty once the pad is plugged in and has the joystick device the game reads.
    const std::string& unavailable() const { return unavailable_; }
    // The left stick's x, -100 (left) to 100.
    void leftStickX(int percent);
    // A button by its Linux input code (BTN_SOUTH and the others).
    void button(int code, bool down);

private:
    void emit(int type, int code, int value);
    bool makeDevice();
    bool awaitJoystickNode();

    int fd_ = -1;
    std::string unavailable_;
    // Device nodes made for the test, taken away with the pad.
    std::vector<std::string> madeNodes_;
};
