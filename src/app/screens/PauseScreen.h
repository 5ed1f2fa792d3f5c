#pragma once

#include "app/UnsavedNotice.h"
#include "app/screens/Screen.h"
#include "platform/Image.h"
#include "platform/Sprite.h"
#include "world/World.h"

// Over the frozen game: resume, restart from the last flag, options, and leave (which asks where to).
class PauseScreen : public Screen {
public:
    static constexpr GameState kState = GameState::PauseMenu;
    PauseScreen(World& world, UnsavedNotice& notice);

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;

    Image backgroundImage;
    Sprite background;
    MenuButton resume;
    MenuButton restart;
    MenuButton options;
    MenuButton leave;

private:
    World& world_;
    UnsavedNotice& notice_;
};
