#include "app/screens/Question.h"

#include "app/screens/ScreenStack.h"
#include "platform/FilledPixel.h"

// Wide enough to darken the screen beneath under any view.
Question::Question(GameState id)
    : Screen(id),
      dimImage(filledPixel(Color{0, 0, 0, 200})),
      dim(stretchedPixel(dimImage, -2000, -2000, 4000, 4000)) {}

void Question::update(GameWindow& window, ScreenStack& stack) {
    if (!takesPresses())
        for (MenuButton* answer : buttons()) answer->forgetPress(true);
    updateButtons(window, stack.sounds());
    answer(window, stack);
}

void Question::draw(GameWindow& window) {
    window.draw(dim);
    drawButtons(window);
}
