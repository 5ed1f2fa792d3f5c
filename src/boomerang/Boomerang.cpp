#include "boomerang/Boomerang.h"

#include <cmath>

#include "boomerang/EraserSounds.h"
#include "config/Config.h"
#include "level/Kinds.h"
#include "terrain/Collision.h"
#include "terrain/Eraser.h"

namespace {
int toInt(double v) { return static_cast<int>(v); }
}  // namespace

Boomerang::Boomerang(SoundBank& sounds) : sounds_(sounds) {
    // The pictures first: their sizes are the defaults of the box size.
    image.loadFromFile("boomerang.png");
    image.setSmooth(true);
    glowImage.loadFromFile("boomerang_glow.png");
    glowImage.setSmooth(true);
    sprite.setImage(&image);
    glowSprite.setImage(&glowImage);

    const Config config;
    spawnLength = static_cast<float>(config.real("Boomerang", "Spawn_Length", "10"));
    speed = config.real("Boomerang", "Speed", "12");
    returnTime = static_cast<int>(config.integer("Boomerang", "Return_Time", 300));
    width = static_cast<float>(config.integer("Boomerang", "Width", image.width()));
    height = static_cast<float>(config.integer("Boomerang", "Height", image.height()));
    cooldown = static_cast<int>(config.integer("Boomerang", "Cooldown", 500));
    eraseRadius = static_cast<int>(config.integer("Boomerang", "Eraze_Radius", 50));
    // As if the last throw were long past: the first throw may come at once.
    cooldownTimer = static_cast<float>(cooldown) + 1;
}

void Boomerang::putAway() {
    ready = true;
    x = -1000000;
    y = -1000000;
}

void Boomerang::throwAt(sf::Vector2f aim, sf::Vector2f centre) {
    if (!ready || cooldownTimer < static_cast<float>(cooldown)) return;
    const sf::Vector2f mouse = aim;
    const float dx = mouse.x - centre.x, dy = mouse.y - centre.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    // A pointer on the player's centre gives no direction: the boomerang stays in hand.
    if (length == 0) return;
    if (!sounds_.isPlaying("swosch1.wav")) sounds_.playThrow();
    dirX = dx / length;
    dirY = dy / length;
    x = static_cast<float>(centre.x + dirX * spawnLength - width * 0.5);
    y = static_cast<float>(centre.y + dirY * spawnLength - height * 0.5);
    ready = false;
    flightTime = 0;
    cooldownTimer = 0;
}

void Boomerang::updateFlight(const Controls& controls, float frameSeconds, sf::Vector2f centre, ObjectList& list) {
    const float frameMs = frameSeconds * 1000;
    cooldownTimer += frameMs;
    if (ready) return;

    if (controls.holds(Action::Recall)) putAway();
    if (!controls.holds(Action::Throw) && flightTime > 100) startReturn();
    flightTime += frameMs;

    if (flightTime > static_cast<float>(returnTime)) {
        const float dx = static_cast<float>(centre.x - (x + width * 0.5));
        const float dy = static_cast<float>(centre.y - (y + height * 0.5));
        const float length = std::sqrt(dx * dx + dy * dy);
        // Exactly on the centre there is no direction to take; the catch below ends the flight.
        if (length > 0) {
            dirX = dx / length;
            dirY = dy / length;
        }
        if (length < spawnLength && !ready) putAway();
    }

    const int w = toInt(width), h = toInt(height), radius = toInt(width * 0.5);
    const double stepY = dirY * speed;
    y = static_cast<float>(y + stepY);
    // Vertical platforms carry it along.
    CollisionHit ride = queryCircle(toInt(x), toInt(y + 2), w, h, radius, list, 0, static_cast<float>(stepY));
    if (ride.hit && kindRoles(ride.kind).platform == Motion::Up) y += ride.speedY;
    ride = queryCircle(toInt(x), toInt(y - 2), w, h, radius, list, 0, static_cast<float>(stepY));
    if (ride.hit && kindRoles(ride.kind).platform == Motion::Down) y += ride.speedY;

    // Pencil never shows up in a circle query: anything reported is something to bounce off.
    const CollisionHit vertical = queryCircle(toInt(x), toInt(y), w, h, radius, list, 0, static_cast<float>(stepY));
    if (vertical.hit) {
        startReturn();
        if (stepY > 0) y = static_cast<float>(vertical.hitY) - height;
        if (stepY < 0) y = static_cast<float>(vertical.hitY + 1);
    }

    const double stepX = dirX * speed;
    x = static_cast<float>(x + stepX);
    const CollisionHit horizontal = queryCircle(toInt(x), toInt(y), w, h, radius, list, static_cast<float>(stepX), 0);
    if (horizontal.hit) {
        startReturn();
        if (stepX > 0) x = static_cast<float>(horizontal.hitX) - width;
        if (stepX < 0) x = static_cast<float>(horizontal.hitX + 1);
    }

    playEraserSounds(eraseAt(list, toInt(x + width * 0.5 - eraseRadius - 5), toInt(y + height * 0.5 - eraseRadius - 5),
                             eraseRadius, false),
                     sounds_);
}

void Boomerang::draw(GameWindow& window) {
    if (ready) return;
    // Both pictures are centred on the box; the glow goes under.
    glowSprite.setPosition(static_cast<float>(x - (glowImage.width() - width) * 0.5),
                           static_cast<float>(y - (glowImage.height() - height) * 0.5));
    window.draw(glowSprite);
    sprite.setPosition(static_cast<float>(x - (image.width() - width) * 0.5),
                       static_cast<float>(y - (image.height() - height) * 0.5));
    window.draw(sprite);
}
