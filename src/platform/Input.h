#pragma once

enum class Key { A, D, W, S, R, Space, Escape, Count };
enum class MouseButton { Left, Right, Count };

// Input as polled by the game each frame.
struct InputState {
    bool keys[static_cast<int>(Key::Count)] = {};
    bool buttons[static_cast<int>(MouseButton::Count)] = {};
    int mouseX = 0, mouseY = 0;  // window pixels

    bool key(Key k) const { return keys[static_cast<int>(k)]; }
    bool button(MouseButton b) const { return buttons[static_cast<int>(b)]; }
    void setKey(Key k, bool down) { keys[static_cast<int>(k)] = down; }
    void setButton(MouseButton b, bool down) { buttons[static_cast<int>(b)] = down; }
    // Releases every key and button; the pointer stays where it was.
    void releaseAll() { *this = InputState{.mouseX = mouseX, .mouseY = mouseY}; }
};
