#pragma once

#include <string>

#include "menu/MenuButton.h"

// A horizontal slider: the knob is a MenuButton dragged along a track of `length` pixels,
// over a bar drawn filled left of the knob and empty right of it. `value` is the knob's
// place on the track from 0 to 1; `changed` is true for the one frame after a drag ends.
class MenuScroll : public MenuButton {
public:
    MenuScroll(float length, const std::string& image, const std::string& hoverImage, float x, float y,
               float hitWidth, float hitHeight, float hoverOffsetX, float hoverOffsetY, float hoverFrames);

    void update(GameWindow& window, SoundBank& sounds) override;
    // Moves the knob by `step` of the track, kept within 0 and 1, as a whole drag: the next
    // update reports it `changed`.
    void nudge(float step);
    void draw(GameWindow& window) override;

    bool dragging = false;
    float trackX = 0;
    float length = 0;
    float value = 0;
    bool changed = false;
    float grabOffset = 0;
    bool nudged = false;
    Sprite emptySprite;
    Sprite fullSprite;
};
