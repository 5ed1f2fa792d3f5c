#include "app/screens/PlayingScreen.h"

#include "app/screens/ScreenStack.h"

PlayingScreen::PlayingScreen(World& world, UnsavedNotice& notice) : Screen(kState), world_(world), notice_(notice) {}

void PlayingScreen::update(GameWindow& window, ScreenStack& stack) {
    world_.update(window);
    if (world_.returnToMenu) {
        world_.returnToMenu = false;
        stack.restart(GameState::MainMenu);
    }
    if (window.isKeyDown(Key::Escape)) stack.open(GameState::PauseMenu);
}

void PlayingScreen::draw(GameWindow& window) { world_.draw(window); }

void PlayingScreen::shown() { notice_.playResumed(); }
