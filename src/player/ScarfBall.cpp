#include "player/ScarfBall.h"

#include "boomerang/EraserSounds.h"
#include "terrain/Eraser.h"

ScarfBall::ScarfBall() {
    image.loadFromFile("scarfball.png");
    sprite.setImage(&image);
}

void ScarfBall::reset() {
    x = kStartX;
    y = kStartY;
}

void ScarfBall::update(const GameWindow& window, const Controls& controls, ObjectList& list, float camX,
                       SoundBank& sounds) {
    // The camera has moved on already; the whole ball, wind included, stays inside the view
    // it is drawn through.
    const sf::View& view = window.view();
    const float viewRight = view.getCenter().x + view.getSize().x / 2;
    const float steeredRight = x + stepX + kWind + static_cast<float>(image.width());
    if (controls.holds(Action::Jump) && y > -384) y -= stepY;
    if (controls.holds(Action::Down) && y < 1082) y += stepY;
    if (controls.holds(Action::Right) && x < camX + 512 - 100 && steeredRight <= viewRight) x += stepX;
    if (controls.holds(Action::Left) && x > camX - 512) x -= stepX;
    x += kWind;
    playEraserSounds(eraseAt(list, static_cast<int>(x + 55 - 25), static_cast<int>(y + 30 - 25), 25, false), sounds);
}

void ScarfBall::draw(GameWindow& window) {
    sprite.setPosition(x, y);
    window.draw(sprite);
}
