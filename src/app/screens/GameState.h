#pragma once

// Which screen is on top. The numbers are those torve-sim prints in its state lines.
enum class GameState {
    SplashCard = 0,
    MainMenu = 1,
    QuitConfirm = 2,
    Playing = 3,
    PauseMenu = 4,
    ExitConfirm = 5,
    Options = 6,
    Editor = 7,
    LevelSelect = 8,
};
