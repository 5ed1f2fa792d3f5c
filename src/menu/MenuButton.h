#pragma once

#include <string>

#include "audio/SoundBank.h"
#include "platform/GameWindow.h"
#include "platform/Sprite.h"
#include "resources/SpriteAnimation.h"

// Edges of a box as {left, top, right, bottom}.
struct HitRect {
    float left = 0, top = 0, right = 0, bottom = 0;
};

// A still picture with an invisible hit box and an optional hover strip that plays forward
// while the pointer is over it and back when it leaves. A press and a release of the left
// button, both inside the box, set `clicked`; the owner reads and clears it. Positions are
// relative to the corner of the window's current view, so a button keeps its place in the
// window whatever view is set.
class MenuButton {
public:
    MenuButton(const std::string& image, const std::string& hoverImage, float x, float y, float hitWidth,
               float hitHeight, float hoverOffsetX, float hoverOffsetY, float hoverFrames, bool flipX,
               bool ringOnHover);
    virtual ~MenuButton() = default;

    // Rings through `sounds` when the hover begins on a button that rings.
    virtual void update(GameWindow& window, SoundBank& sounds);
    virtual void draw(GameWindow& window);

    // Clears the click and rewinds the hover strip, so the button is idle (and rings again)
    // the next time its screen is shown.
    void acknowledge();
    // True once per click, acknowledging it.
    bool takeClick();
    // Drops a press in progress and takes `buttonDown` as the left button's last state, so
    // only a press that starts after this counts: a button held since an earlier screen
    // must be let go first.
    void forgetPress(bool buttonDown);
    // The hover test: the pointer is inside the hit box (edges included).
    bool underPointer(const GameWindow& window) const;
    // The pointer mapped through the current view, relative to the view's corner: the space
    // of every button's coordinates.
    static sf::Vector2f pointer(const GameWindow& window);

    bool hovered = false;
    // Chosen with the keys: shows the hover strip as the pointer would.
    bool focused = false;
    bool clicked = false;
    bool pressed = false;
    bool mouseWasDown = false;
    HitRect hitRect;
    bool hoverActive = false;
    bool ringOnHover = false;
    bool hasHoverImage = false;
    float hitWidth = 0, hitHeight = 0;
    float hitX = 0, hitY = 0;
    float x = 0, y = 0;
    float hoverOffsetX = 0, hoverOffsetY = 0;
    float hoverFrames = 0;
    Sprite sprite;
    Sprite hoverSprite;
    SpriteAnimation hoverAnim;

protected:
    // Top-left corner of the window's current view.
    static sf::Vector2f viewCorner(const GameWindow& window);
    // Centres the hit box horizontally on the picture at the current x.
    void placeHitBox();
};
