#pragma once

#include "app/screens/Question.h"

// Leaving the game from the pause menu: to the main menu, to the desktop, or back.
class LeaveQuestion : public Question {
public:
    static constexpr GameState kState = GameState::ExitConfirm;
    LeaveQuestion();

    MenuButton mainMenu;
    MenuButton desktop;
    MenuButton back;

private:
    void answer(GameWindow& window, ScreenStack& stack) override;
};
