#pragma once

#include <SFML/System/Vector2.hpp>
#include <bitset>
#include <cstddef>

#include "input/Bindings.h"

// What the player asks for in one frame, read once from the devices through the bindings:
// the rules read this and never a key.
struct Controls {
    std::bitset<static_cast<std::size_t>(Action::Count)> held;
    // Where a throw goes, in level coordinates: the mouse pointer, or the pad's aim point
    // while the pad is in use.
    sf::Vector2f aim;

    bool holds(Action action) const { return held[static_cast<std::size_t>(action)]; }
};
