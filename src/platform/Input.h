#pragma once

#include <SFML/Window/Keyboard.hpp>
#include <bitset>

// The keys the game's rules ask for; which keyboard keys hold them is for the bindings
// (input/Bindings) to say.
enum class Key { A, D, W, S, R, Space, Escape, Count };
enum class MouseButton { Left, Right, Count };

// The keyboard key each game key has by default.
constexpr sf::Keyboard::Key defaultKeyOf(Key k) {
    constexpr sf::Keyboard::Key keys[] = {sf::Keyboard::A, sf::Keyboard::D, sf::Keyboard::W,     sf::Keyboard::S,
                                          sf::Keyboard::R, sf::Keyboard::Space, sf::Keyboard::Escape};
    return keys[static_cast<int>(k)];
}

// Input as polled by the game each frame: the keyboard's keys, the mouse buttons, the pointer.
struct InputState {
    std::bitset<sf::Keyboard::KeyCount> keys;
    bool buttons[static_cast<int>(MouseButton::Count)] = {};
    int mouseX = 0, mouseY = 0;  // window pixels

    bool held(sf::Keyboard::Key k) const { return k >= 0 && k < sf::Keyboard::KeyCount && keys[k]; }
    void setHeld(sf::Keyboard::Key k, bool down) {
        if (k >= 0 && k < sf::Keyboard::KeyCount) keys[k] = down;
    }
    // Holds a game key on its default keyboard key, as tests and input scripts do.
    void setKey(Key k, bool down) { setHeld(defaultKeyOf(k), down); }
    bool button(MouseButton b) const { return buttons[static_cast<int>(b)]; }
    void setButton(MouseButton b, bool down) { buttons[static_cast<int>(b)] = down; }
    // Releases every key and button; the pointer stays where it was.
    void releaseAll() {
        keys.reset();
        buttons[0] = buttons[1] = false;
    }
};
