#pragma once

#include <SFML/Window/Keyboard.hpp>
#include <bitset>
#include <cstddef>

enum class MouseButton { Left, Right, Count };

// A gamepad's buttons by where they sit on the pad.
enum class PadButton { South, East, West, North, LeftShoulder, RightShoulder, Back, Start, Count };

// A gamepad as the window reads it. Sticks and the d-pad run from -100 to 100 with y downwards;
// triggers from 0 (let go) to 100, whatever the pad reports at rest.
struct PadState {
    // A stick or trigger counts only past this much of its travel, so a resting stick never drifts.
    static constexpr float kDeadZone = 25;

    bool connected = false;
    float leftX = 0, leftY = 0, rightX = 0, rightY = 0;
    float dpadX = 0, dpadY = 0;
    float leftTrigger = 0, rightTrigger = 0;
    std::bitset<static_cast<std::size_t>(PadButton::Count)> buttons;

    bool button(PadButton b) const { return buttons[static_cast<std::size_t>(b)]; }
    void setButton(PadButton b, bool down) { buttons[static_cast<std::size_t>(b)] = down; }
    // Everything let go; the pad stays plugged in.
    void release() {
        const bool plugged = connected;
        *this = PadState{};
        connected = plugged;
    }
};

// Input as polled by the game each frame: the keyboard's keys, the mouse buttons, the pointer
// and the gamepad.
struct InputState {
    std::bitset<sf::Keyboard::KeyCount> keys;
    bool buttons[static_cast<int>(MouseButton::Count)] = {};
    int mouseX = 0, mouseY = 0;  // window pixels
    // Notches the mouse wheel turned in this frame, away from the player positive.
    int wheel = 0;
    PadState pad;

    bool held(sf::Keyboard::Key k) const { return k >= 0 && k < sf::Keyboard::KeyCount && keys[k]; }
    void setHeld(sf::Keyboard::Key k, bool down) {
        if (k >= 0 && k < sf::Keyboard::KeyCount) keys[k] = down;
    }
    bool button(MouseButton b) const { return buttons[static_cast<int>(b)]; }
    void setButton(MouseButton b, bool down) { buttons[static_cast<int>(b)] = down; }
    // Releases every key and button, the pad's too; the pointer stays where it was.
    void releaseAll() {
        keys.reset();
        buttons[0] = buttons[1] = false;
        wheel = 0;
        pad.release();
    }
};
