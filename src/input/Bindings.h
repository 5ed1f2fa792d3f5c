#pragma once

#include <SFML/Window/Keyboard.hpp>
#include <array>
#include <vector>

#include "config/Config.h"
#include "platform/Input.h"

// What the player does, each on the keyboard keys bound to it and on its place on a gamepad
// (input/PadControls); throw and recall are the mouse buttons besides.
enum class Action { Left, Right, Jump, Down, KeyDoor, Restart, Menu, Throw, Recall, Count };

class Bindings {
public:
    // The default keys: the game keys' own letters, plus the arrows for running, jumping and
    // going down; throw and recall are the mouse buttons only.
    Bindings();

    // `[Controls]` of config.ini, one action a key with blank-separated key names
    // (`Jump=Up Space`). A name that is no key is skipped with a line on standard error; an
    // action left without a known key keeps its default.
    void load(const Config& config);

    const std::vector<sf::Keyboard::Key>& keysOf(Action action) const;
    // The action's keys, mouse button and place on the pad. `steering`: the pad's stick also
    // stands for jump and down (up and down in the flight). `padAims`: the pad's throw and
    // recall count (in play only, so that a trigger never clicks a menu button under a pointer
    // nobody looks at).
    bool holds(Action action, const InputState& input, bool steering, bool padAims) const;

private:
    bool anyHeld(Action action, const InputState& input) const;

    std::array<std::vector<sf::Keyboard::Key>, static_cast<size_t>(Action::Count)> keys_;
};
