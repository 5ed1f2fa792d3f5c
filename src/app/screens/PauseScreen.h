#pragma once

#include "app/UnsavedNotice.h"
#include "app/screens/Screen.h"
#include "platform/Image.h"
#include "platform/Sprite.h"

// Over the frozen game: resume, options, and leave (which asks where to).
class PauseScreen : public Screen {
public:
    static constexpr GameState kState = GameState::PauseMenu;
    explicit PauseScreen(UnsavedNotice& notice);

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;

    Image backgroundImage;
    Sprite background;
    MenuButton resume;
    MenuButton options;
    MenuButton leave;

private:
    UnsavedNotice& notice_;
};
