#pragma once

#include "app/UnsavedNotice.h"
#include "app/screens/Screen.h"
#include "platform/Image.h"
#include "platform/Sprite.h"
#include "world/World.h"

// Play (on from the last checkpoint), the level select, options and quit, under the title music.
class MainMenuScreen : public Screen {
public:
    static constexpr GameState kState = GameState::MainMenu;
    MainMenuScreen(World& world, UnsavedNotice& notice);

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;
    // The fixed 1024 x 768 view the menu is laid out in.
    static void setMenuView(GameWindow& window);

    Image backgroundImage;
    Sprite background;
    MenuButton play;
    MenuButton options;
    MenuButton levels;
    MenuButton quit;

private:
    World& world_;
    UnsavedNotice& notice_;
};
