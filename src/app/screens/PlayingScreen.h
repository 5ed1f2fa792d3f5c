#pragma once

#include "app/UnsavedNotice.h"
#include "app/screens/Screen.h"
#include "input/ControlReader.h"
#include "world/World.h"

// The world, which advances only here: every menu opened from the game freezes it.
class PlayingScreen : public Screen {
public:
    static constexpr GameState kState = GameState::Playing;
    PlayingScreen(World& world, UnsavedNotice& notice, const ControlReader& controls);

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;
    // What the menus told has been seen.
    void shown() override;

private:
    World& world_;
    UnsavedNotice& notice_;
    const ControlReader& controls_;
};
