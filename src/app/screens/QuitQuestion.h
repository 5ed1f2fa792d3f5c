#pragma once

#include "app/screens/Question.h"

// Quit the game, yes or no.
class QuitQuestion : public Question {
public:
    static constexpr GameState kState = GameState::QuitConfirm;
    QuitQuestion();

    MenuButton yes;
    MenuButton no;

private:
    void answer(GameWindow& window, ScreenStack& stack) override;
};
