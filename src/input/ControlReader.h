#pragma once

#include <optional>

#include "config/Config.h"
#include "input/Bindings.h"
#include "input/Controls.h"
#include "platform/GameWindow.h"

// Turns the devices the window reports into the frame's Controls, through the player's
// bindings (config.ini's [Controls]).
class ControlReader {
public:
    ControlReader() = default;
    explicit ControlReader(const Config& config);

    // In play. `flight`: the pad's stick steers up and down too. `padAim`: where the pad aims,
    // in level coordinates, while the pad is in use; else the mouse pointer aims, both seen
    // through the window's current view.
    Controls forPlay(const GameWindow& window, bool flight, std::optional<sf::Vector2f> padAim) const;
    // In the menus: no steering, and the pad's triggers stand for no mouse button.
    Controls forMenus(const InputState& devices) const;

private:
    Controls read(const InputState& devices, bool steering, bool padAims) const;

    Bindings bindings_;
};
