#include "app/screens/PlayingScreen.h"

#include "app/screens/ScreenStack.h"

PlayingScreen::PlayingScreen(World& world, UnsavedNotice& notice, const ControlReader& controls)
    : Screen(kState), world_(world), notice_(notice), controls_(controls) {}

void PlayingScreen::update(GameWindow& window, ScreenStack& stack) {
    world_.update(window, controls_);
    // A level tried out from the editor goes back to it, at its goal or at once; one picked in
    // the level select goes back to the list at its goal.
    if (world_.returnToMenu) {
        world_.returnToMenu = false;
        if (world_.tryingOut() || stack.beneath(*this) == GameState::LevelSelect) stack.close();
        else stack.restart(GameState::MainMenu);
    }
    if (stack.controls().holds(Action::Menu)) {
        if (world_.tryingOut()) stack.close();
        else stack.open(GameState::PauseMenu);
    }
}

void PlayingScreen::draw(GameWindow& window) { world_.draw(window); }

void PlayingScreen::shown() { notice_.playResumed(); }
