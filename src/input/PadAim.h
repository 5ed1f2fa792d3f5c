#pragma once

#include <SFML/System/Vector2.hpp>
#include <optional>

#include "platform/Input.h"

// The direction the pad aims in: the right stick's while it is pushed, else the last one it
// gave, else straight ahead. When the player turns round the remembered direction turns with
// them, so a throw never goes backwards unasked.
class PadAim {
public:
    // How far from the player's centre the aim point lies, in level pixels.
    static constexpr float kReach = 150;

    // Once a frame of play, with the side the player faces.
    void update(const PadState& pad, bool facingRight);
    // Of length 1.
    sf::Vector2f direction() const { return last_ ? *last_ : sf::Vector2f(facingRight_ ? 1.f : -1.f, 0.f); }
    sf::Vector2f pointFrom(sf::Vector2f centre) const { return centre + direction() * kReach; }

private:
    std::optional<sf::Vector2f> last_;
    bool facingRight_ = true;
};
