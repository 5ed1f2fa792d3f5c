#include "app/screens/PauseScreen.h"

#include "app/screens/MenuLayout.h"
#include "app/screens/ScreenStack.h"

PauseScreen::PauseScreen(World& world, UnsavedNotice& notice)
    : Screen(kState),
      resume(menuButton(menuLayout::resume)),
      restart(menuButton(menuLayout::restart)),
      options(menuButton(menuLayout::pauseOptions)),
      leave(menuButton(menuLayout::leave)),
      world_(world),
      notice_(notice) {
    backgroundImage.loadForDrawing("Content\\Menu\\ingame_background.png");
    background.setImage(&backgroundImage);
    setButtons({&resume, &restart, &options, &leave}, &resume);
}

void PauseScreen::update(GameWindow& window, ScreenStack& stack) {
    updateButtons(window, stack.sounds());
    if (resume.takeClick()) stack.close();
    if (restart.takeClick()) {
        world_.restartFromCheckpoint();
        stack.close();
    }
    if (options.takeClick()) stack.open(GameState::Options);
    if (leave.takeClick()) stack.open(GameState::ExitConfirm);
}

void PauseScreen::draw(GameWindow& window) {
    window.draw(background);
    drawButtons(window);
    notice_.draw(window);
}
