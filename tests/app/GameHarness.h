#pragma once

#include <memory>
#include <string>

#include "TestSupport.h"
#include "app/FrameLoop.h"
#include "app/Game.h"
#include "app/screens/LeaveQuestion.h"
#include "app/screens/MainMenuScreen.h"
#include "app/screens/OptionsScreen.h"
#include "app/screens/PauseScreen.h"
#include "app/screens/QuitQuestion.h"
#include "app/screens/SplashScreen.h"
#include "platform/HeadlessWindow.h"
#include "platform/TimeSource.h"

// A headless window that also keeps the frame limit it was last recreated with.
struct LimitRecordingWindow : HeadlessWindow {
    void recreate(bool full, unsigned limit) override {
        HeadlessWindow::recreate(full, limit);
        frameLimit = limit;
    }
    unsigned frameLimit = 0;
};

// The real Game in a headless window with simulated time, inside a fresh working folder.
// The options are written into "options/config.ini" of that folder.
class GameHarness {
public:
    explicit GameHarness(const std::string& configText = "") {
        TimeSource::useSimulated(true);
        if (!configText.empty()) dir.write("config.ini", configText);
        game = std::make_unique<Game>();
        std::filesystem::create_directories(dir.path() / "options");
        game->optionsPath = (dir.path() / "options" / "config.ini").string();
        window.recordDraws = true;
    }
    ~GameHarness() {
        game.reset();
        TimeSource::useSimulated(false);
    }

    InputState& input() { return window.scriptedInput(); }
    GameState state() const { return game->state(); }
    SplashScreen& splash() { return game->screen<SplashScreen>(); }
    MainMenuScreen& menu() { return game->screen<MainMenuScreen>(); }
    QuitQuestion& quitQuestion() { return game->screen<QuitQuestion>(); }
    PauseScreen& pauseMenu() { return game->screen<PauseScreen>(); }
    LeaveQuestion& leaveQuestion() { return game->screen<LeaveQuestion>(); }
    OptionsScreen& options() { return game->screen<OptionsScreen>(); }

    // One frame as the main loop runs it.
    void frame() {
        runFrame(window, *game);
        TimeSource::advanceFrame();
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }
    void pointAt(int x, int y) {
        input().mouseX = x;
        input().mouseY = y;
    }
    // The centre of the button's hit box, in window pixels under the 1024 x 768 view.
    void pointAt(const MenuButton& button) {
        pointAt(static_cast<int>(button.hitRect.left + button.hitWidth / 2),
                static_cast<int>(button.hitRect.top + button.hitHeight / 2));
    }
    void pressOn(const MenuButton& button) {
        pointAt(button);
        input().setButton(MouseButton::Left, true);
        frame();
    }
    // Press in one frame, release in the next: the click is acted on in the second.
    void click(const MenuButton& button) {
        pressOn(button);
        input().setButton(MouseButton::Left, false);
        frame();
    }
    // Answers the question on show once it takes answers, as a player who has read it.
    void answer(const MenuButton& button) {
        frames(static_cast<int>(Question::kGuardSeconds * 60));
        click(button);
    }
    // Releases the button and runs only the update, to look at the window as the
    // update leaves it (the frame loop would set its fixed view after drawing).
    void releaseInUpdateOnly() {
        input().setButton(MouseButton::Left, false);
        game->update(window);
    }
    // Held for a frame, then let go for a frame.
    void tap(sf::Keyboard::Key key) {
        input().setHeld(key, true);
        frame();
        input().setHeld(key, false);
        frame();
    }
    void holdEscape(bool down) { input().setHeld(sf::Keyboard::Escape, down); }
    void skipSplash() {
        holdEscape(true);
        frame();
        holdEscape(false);
    }
    // Escape for one frame: opens the pause menu while playing.
    void pause() {
        holdEscape(true);
        frame();
        holdEscape(false);
    }
    bool drew(const Image& image) const {
        for (const Sprite& sprite : window.drawn)
            if (sprite.image == &image) return true;
        return false;
    }

    TempDir dir;
    LimitRecordingWindow window;
    std::unique_ptr<Game> game;
};
