#include "app/screens/MainMenuScreen.h"

#include "app/screens/MenuLayout.h"
#include "app/screens/ScreenStack.h"

MainMenuScreen::MainMenuScreen(World& world, UnsavedNotice& notice)
    : Screen(kState),
      play(menuButton(menuLayout::play)),
      options(menuButton(menuLayout::options)),
      levels(menuButton(menuLayout::levels)),
      quit(menuButton(menuLayout::quit)),
      world_(world),
      notice_(notice) {
    backgroundImage.loadForDrawing("Content\\Menu\\menu_background.jpg");
    background.setImage(&backgroundImage);
    setButtons({&play, &options, &levels, &quit}, nullptr);
}

void MainMenuScreen::setMenuView(GameWindow& window) { window.setView(sf::View(sf::FloatRect(0, 0, 1024, 768))); }

void MainMenuScreen::update(GameWindow& window, ScreenStack& stack) {
    stack.sounds().playMusicFor(Music::Title);
    setMenuView(window);
    updateButtons(window, stack.sounds());
    if (play.takeClick()) {
        stack.restart(GameState::Playing);
        world_.continueLevel();
    }
    if (options.takeClick()) stack.open(GameState::Options);
    if (levels.takeClick()) stack.open(GameState::LevelSelect);
    if (quit.takeClick()) stack.open(GameState::QuitConfirm);
}

void MainMenuScreen::draw(GameWindow& window) {
    window.draw(background);
    drawButtons(window);
    notice_.draw(window);
}
