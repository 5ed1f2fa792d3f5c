#pragma once

#include "platform/GameWindow.h"

enum GameState { SplashCard = 0, MainMenu = 1, QuitConfirm = 2, Playing = 3, PauseMenu = 4, ExitConfirm = 5, Options = 6 };

// Every screen of the program and the world behind them.
class Game {
public:
    Game();
    void update(GameWindow& window);
    void draw(GameWindow& window);

    int state = SplashCard;
    int previousState = SplashCard;
};
