#include "input/ControlReader.h"

ControlReader::ControlReader(const Config& config) { bindings_.load(config); }

Controls ControlReader::read(const InputState& devices, bool steering, bool padAims) const {
    Controls controls;
    for (std::size_t a = 0; a < controls.held.size(); ++a)
        controls.held[a] = bindings_.holds(static_cast<Action>(a), devices, steering, padAims);
    return controls;
}

Controls ControlReader::forPlay(const GameWindow& window, bool flight, std::optional<sf::Vector2f> padAim) const {
    Controls controls = read(window.input(), flight, padAim.has_value());
    // The pad's point goes through whole window pixels as the mouse pointer does, so both aim
    // alike.
    const sf::Vector2i pixel = padAim ? window.mapCoordsToPixel(*padAim)
                                      : sf::Vector2i(window.input().mouseX, window.input().mouseY);
    controls.aim = window.mapPixelToCoords(pixel.x, pixel.y);
    return controls;
}

Controls ControlReader::forMenus(const InputState& devices) const { return read(devices, false, false); }
