#pragma once

#include <SFML/System/Vector2.hpp>

#include "input/Controls.h"
#include "level/ObjectList.h"
#include "platform/GameWindow.h"
#include "platform/Sprite.h"

// Thrown towards the pointer, flies out while the button is held, homes back, bounces off
// anything solid but pencil, and rubs out pencil around itself.
class SoundBank;

class Boomerang {
public:
    explicit Boomerang(SoundBank& sounds);
    // The sprites point at the boomerang's own images.
    Boomerang(const Boomerang&) = delete;
    Boomerang& operator=(const Boomerang&) = delete;

    // Towards `aim`, in level coordinates.
    void throwAt(sf::Vector2f aim, sf::Vector2f centre);
    void updateFlight(const Controls& controls, float frameSeconds, sf::Vector2f centre, ObjectList& list);
    void draw(GameWindow& window);

    bool ready = true;
    int cooldown = 500;
    float cooldownTimer = 0;
    float x = 0, y = 0;
    float dirX = 0, dirY = 0;
    float width = 0, height = 0;
    double speed = 12;
    int returnTime = 300;
    float spawnLength = 10;
    float flightTime = 0;
    int eraseRadius = 50;
    Image image, glowImage;
    Sprite sprite, glowSprite;

private:
    // Off the level while in hand, so a stale box touches nothing.
    void putAway();
    void startReturn() { flightTime = static_cast<float>(returnTime) + 1; }

    SoundBank& sounds_;
};
