#include "app/screens/Question.h"

namespace {
Image dimPixel() {
    Image image;
    image.create(1, 1, Color{0, 0, 0, 200});
    image.setSmooth(false);
    return image;
}

// Wide enough to darken the screen beneath under any view.
Sprite dimmer(const Image& pixel) {
    Sprite sprite(&pixel);
    sprite.setPosition(-2000, -2000);
    sprite.scaleX = 4000;
    sprite.scaleY = 4000;
    return sprite;
}
}  // namespace

Question::Question(GameState id) : Screen(id), dimImage(dimPixel()), dim(dimmer(dimImage)) {}

void Question::update(GameWindow& window, ScreenStack& stack) {
    if (!takesPresses())
        for (MenuButton* answer : buttons()) answer->forgetPress(true);
    updateButtons(window);
    answer(window, stack);
}

void Question::draw(GameWindow& window) {
    window.draw(dim);
    drawButtons(window);
}
