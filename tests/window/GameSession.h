#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "GameProcess.h"
#include "ScreenMeasures.h"

// A menu button as a player finds it: the top-left corner of its picture on the 1024 x 768
// screen. It reacts in the middle of the picture.
struct ButtonSpot {
    const char* picture;
    float x, y;
};

namespace buttons {
inline constexpr ButtonSpot play{"Content/Menu/b_play.png", 550, 160};
inline constexpr ButtonSpot options{"Content/Menu/b_options.png", 570, 230};
inline constexpr ButtonSpot quit{"Content/Menu/b_quit.png", 590, 350};
inline constexpr ButtonSpot levels{"Content/Menu/b_levels.png", 595, 299};
inline constexpr ButtonSpot quitYes{"Content/Menu/yes.png", 760, 320};
inline constexpr ButtonSpot resume{"Content/Menu/ingame_resume.png", 420, 160};
inline constexpr ButtonSpot pauseOptions{"Content/Menu/ingame_options.png", 420, 280};
inline constexpr ButtonSpot leave{"Content/Menu/ingame_return.png", 320, 400};
inline constexpr ButtonSpot desktop{"Content/Menu/ingame_desktop.png", 630, 515};
inline constexpr ButtonSpot fullscreenYes{"Content/Menu/yes.png", 550, 385};
inline constexpr ButtonSpot fullscreenNo{"Content/Menu/no.png", 700, 385};
inline constexpr ButtonSpot back{"Content/Menu/back.png", 160, 635};
}  // namespace buttons

// The backgrounds that tell the screens apart.
namespace screens {
inline constexpr const char* mainMenu = "Content/Menu/menu_background.jpg";
inline constexpr const char* pauseMenu = "Content/Menu/ingame_background.png";
inline constexpr const char* options = "Content/Menu/options_bg.png";
}  // namespace screens

// The real game played through its window: a fresh game folder, a display of its own, input
// through the X server and screenshots, each kept under build/window-shots/<test>/.
class GameSession {
public:
    explicit GameSession(std::optional<Launch> launch = std::nullopt);

    GameProcess& process() { return game_; }
    const std::filesystem::path& folder() const { return game_.folder(); }
    const std::string& display() const { return game_.display(); }
    unsigned long window() const { return window_; }

    // Starts the game and waits for its window.
    bool start();
    // After the window was created anew: waits for a window other than the last one.
    bool awaitNewWindow();
    void focus();

    // Positions on the 1024 x 768 screen, scaled to the window's size.
    void pointAt(float x, float y);
    // Holds the left button long enough for a frame to see it.
    void pressLeft();
    void click(const ButtonSpot& button);
    // Where the button reacts, from the size of its picture in the game folder.
    std::pair<float, float> centreOf(const ButtonSpot& button) const;
    void keyDown(const std::string& key);
    void keyUp(const std::string& key);
    void hold(const std::string& key, double seconds);

    // A screenshot of the window, kept as a PNG named after the step.
    Image shot(const std::string& step);
    // Takes screenshots until one satisfies `accept` or `seconds` pass; the last one is kept.
    bool waitForShot(const std::string& step, const std::function<bool(const Image&)>& accept, double seconds,
                     Image* last = nullptr);
    // Waits for the menu with this background.
    bool waitForMenu(const std::string& step, const char* background, double seconds = 3);
    // The menu shown, named by its background picture (from the game folder); none for
    // anything else.
    const char* menuShown(const Image& shot) const;
    bool shows(const Image& shot, const char* background) const;
    // The dark veil behind a question.
    bool dimmed(const Image& shot) const;
    // A level, not one of the menus.
    bool showsLevel(const Image& shot) const;
    // The white veil and the card cover the upper part of the main menu.
    bool showsSplash(const Image& shot) const;

    // Waits for the splash, clicks it away and waits for the main menu.
    bool skipSplashByClick();
    // Waits until the camera (and so the player) has stood still for a moment.
    bool waitForStillLevel(Image* still);
    // Starts the game, clicks the splash away, presses play and waits for the player to land.
    bool startPlaying(Image* standing = nullptr);

    // What a failed step leaves behind: the latest screenshot and the game's error output.
    std::string evidence() const;

    // A picture of the game folder, read once.
    const Image& picture(const std::string& name) const;

private:
    void keep(const Image& image, const std::string& step);
    void keepOnScreen();

    GameProcess game_;
    unsigned long window_ = 0;
    std::filesystem::path shots_;
    std::filesystem::path lastShot_;
    int shotCount_ = 0;
    mutable std::map<std::string, Image> pictures_;
};

// A test fixture that prints the evidence when a test failed.
class PlayedGame : public ::testing::Test {
protected:
    void TearDown() override;
    GameSession session;
};
