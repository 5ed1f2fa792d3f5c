#pragma once

#include <vector>

#include "app/screens/GameState.h"
#include "input/MenuControls.h"
#include "menu/MenuButton.h"
#include "platform/GameWindow.h"

class ScreenStack;

// One screen of the game with its buttons. Every screen lives as long as the game, so its
// buttons and sliders keep their state while other screens show.
class Screen {
public:
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    virtual ~Screen() = default;

    GameState id() const { return id_; }
    // Runs only while the screen is on top; it changes screens through the stack.
    virtual void update(GameWindow& window, ScreenStack& stack) = 0;
    virtual void draw(GameWindow& window) = 0;
    // Drawn over the screen beneath it rather than in its place.
    virtual bool overlays() const { return false; }
    // Each time the screen comes on top.
    virtual void shown() {}

    // This frame's fresh menu inputs, before the update: on a focused slider left and right
    // move the knob, elsewhere they move the focus as up and down do.
    void navigate(const menuControls::MenuInputs& fresh);
    // At every change of screen: a button needs a press that starts while its own screen
    // shows, and the focus starts from nothing again.
    void forget(bool leftDown);

protected:
    explicit Screen(GameState id) : id_(id) {}
    // The buttons in the order the focus moves over them; `back` is the one the menu key presses.
    // Called again when the buttons shown change.
    void setButtons(std::vector<MenuButton*> focusOrder, MenuButton* back);
    const std::vector<MenuButton*>& buttons() const { return buttons_; }
    void updateButtons(GameWindow& window, SoundBank& sounds);
    void drawButtons(GameWindow& window);
    virtual bool takesPresses() const { return true; }

private:
    void moveFocus(int step);

    GameState id_;
    std::vector<MenuButton*> buttons_;
    MenuButton* back_ = nullptr;
    // Index of the focused button; -1 before a key has moved it.
    int focus_ = -1;
};
