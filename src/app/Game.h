#pragma once

#include <SFML/Graphics/View.hpp>
#include <array>
#include <initializer_list>
#include <string>

#include "menu/MenuButton.h"
#include "menu/MenuScroll.h"
#include "platform/GameWindow.h"
#include "platform/Image.h"
#include "platform/Sprite.h"
#include "platform/TimeSource.h"
#include "world/World.h"

enum GameState { SplashCard = 0, MainMenu = 1, QuitConfirm = 2, Playing = 3, PauseMenu = 4, ExitConfirm = 5, Options = 6 };

// Adds `step` to the sprite's alpha, clamped to 0..255, and resets its colour to white.
void fadeAlpha(Sprite& sprite, float step);

// Every screen of the program and the world behind them. The world only advances while
// playing, so every menu opened from the game freezes it.
class Game {
public:
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void update(GameWindow& window);
    void draw(GameWindow& window);

    // Members in order of construction: the splash clock starts right after the card is
    // loaded, and the buttons after that.
    sf::View menuView;
    World world;

    Image dimImage;
    Sprite dimOverlay;

    Image splashImage;
    Sprite splashCard;
    Image veilImage;
    Sprite whiteVeil;
    GameClock splashClock;

    Image menuBackgroundImage;
    Sprite menuBackground;
    Image ingameBackgroundImage;
    Sprite ingameBackground;
    Sprite optionsBackground;

    MenuButton playButton;
    MenuButton optionsButton;
    MenuButton quitButton;
    MenuButton quitYesButton;
    MenuButton quitNoButton;
    MenuButton returnButton;
    MenuButton pauseOptionsButton;
    MenuButton resumeButton;
    MenuButton mainMenuButton;
    MenuButton desktopButton;
    MenuButton fullscreenYesButton;
    MenuButton fullscreenNoButton;
    MenuButton backButton;
    MenuScroll soundSlider;
    MenuScroll musicSlider;

    // Where the options screen writes its settings: "config.ini" beside the program.
    // Tests point it elsewhere.
    std::string optionsPath;

    int state = SplashCard;
    int previousState = SplashCard;
    // Restarted at every change of screen.
    GameClock screenClock;

    // A question ignores presses for this long after it appears: longer than a double click,
    // so the click that asked it cannot also answer it.
    static constexpr float kQuestionGuardSeconds = 0.4f;

private:
    void changeState(int next);
    std::array<MenuButton*, 15> widgets();
    // Holds off presses on a question's buttons while it has just appeared.
    void guardQuestion(std::initializer_list<MenuButton*> answers);
    void updateSplash(GameWindow& window);
    void updateOptions(GameWindow& window);
    void switchDisplayMode(GameWindow& window, bool fullscreen);
    void writeOption(const std::string& section, const std::string& key, const std::string& value) const;
    // One press moves one slider: where the two knobs' boxes overlap, the nearer one takes it.
    void keepOnePressForOneSlider(const GameWindow& window);
    void setMenuView(GameWindow& window);
    void drawMainMenu(GameWindow& window);
    void drawPauseMenu(GameWindow& window);

    // The left button as this frame's update found it.
    bool leftDown_ = false;
};
