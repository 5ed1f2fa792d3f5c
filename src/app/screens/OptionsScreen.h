#pragma once

#include <string>

#include "app/UnsavedNotice.h"
#include "app/screens/Screen.h"
#include "config/Config.h"
#include "menu/MenuScroll.h"
#include "platform/Sprite.h"
#include "world/World.h"

// The music and sound volumes and the display mode, written to the settings as they change.
// Opened from the main menu or the pause menu, and back to it.
class OptionsScreen : public Screen {
public:
    static constexpr GameState kState = GameState::Options;
    // `optionsPath` is where the settings are written (see GameFolders).
    OptionsScreen(World& world, UnsavedNotice& notice, const std::string& optionsPath);
    void readVolumes(const Config& config);

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;

    Sprite background;
    MenuScroll musicSlider;
    MenuScroll soundSlider;
    MenuButton fullscreenYes;
    MenuButton fullscreenNo;
    MenuButton back;

private:
    // One press moves one slider: where the two knobs' boxes overlap, the nearer one takes it.
    void keepOnePressForOneSlider(const GameWindow& window);
    void switchDisplayMode(GameWindow& window, const ScreenStack& stack, bool fullscreen);
    void writeOption(const std::string& section, const std::string& key, const std::string& value) const;

    World& world_;
    UnsavedNotice& notice_;
    const std::string& optionsPath_;
};
