#pragma once

#include <SFML/Graphics/View.hpp>
#include <array>
#include <bitset>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/UnsavedNotice.h"
#include "input/ControlReader.h"
#include "menu/MenuButton.h"
#include "menu/MenuScroll.h"
#include "platform/GameWindow.h"
#include "platform/Image.h"
#include "platform/PictureDecodes.h"
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
    // Straight into a level, past the splash card and the menu. A level started apart (the
    // command line's) leaves the player's progress as it was.
    void startLevel(const std::string& name, bool apart = false);

    // Members in order of construction: the splash clock starts right after the card is
    // loaded, and the buttons after that.
    // The largest pictures of the start, decoded on the other cores while it goes on.
    PictureDecodes startPictures;
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
    UnsavedNotice unsavedNotice;

    // The player's bindings, from config.ini's [Controls].
    ControlReader controlReader;

    // Where the options screen writes its settings (see GameFolders). Tests point it elsewhere.
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

    // Menus without a pointer: the arrows, the d-pad or the left stick move a focus over the
    // screen's buttons, Enter, Space or the pad's south button presses the focused one, the
    // menu key (Escape, start) or the east button the screen's back or resume button; on a
    // focused slider left and right move the knob by 5 %.
    enum MenuInput { FocusUp, FocusDown, FocusLeft, FocusRight, PressFocused, GoBack, MenuInputCount };
    using MenuInputs = std::bitset<MenuInputCount>;
    struct MenuScreen {
        std::vector<MenuButton*> buttons;  // in focus order
        MenuButton* back = nullptr;
    };
    MenuInputs menuInputsOf(const GameWindow& window) const;
    MenuScreen menuScreen();
    void navigateByKeys(const GameWindow& window);
    void moveFocus(const MenuScreen& screen, int step);
    void drawMainMenu(GameWindow& window);
    void drawPauseMenu(GameWindow& window);

    // The left button as this frame's update found it.
    bool leftDown_ = false;
    // The menu keys held at the last update, so that only fresh presses act.
    MenuInputs menuInputsBefore_;
    // Index of the focused button in its screen's list; -1 before a key has moved it.
    int focus_ = -1;
};
