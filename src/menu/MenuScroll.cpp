#include "menu/MenuScroll.h"

#include <algorithm>

#include "resources/ImageCache.h"

namespace {
// The bar is cut this far right of the knob's left edge, under the knob's middle.
constexpr int kBarCut = 35;
}  // namespace

MenuScroll::MenuScroll(float length, const std::string& image, const std::string& hoverImage, float x, float y,
                       float hitWidth, float hitHeight, float hoverOffsetX, float hoverOffsetY, float hoverFrames)
    : MenuButton(image, hoverImage, x, y, hitWidth, hitHeight, hoverOffsetX, hoverOffsetY, hoverFrames, false, false),
      trackX(x),
      length(length) {
    Image* full = ImageCache::drawing("Content\\Menu\\scroll_full.png");
    Image* empty = ImageCache::drawing("Content\\Menu\\scroll_empty.png");
    full->setSmooth(false);
    empty->setSmooth(false);
    // Both pieces are centred vertically on y + 33.
    emptySprite.setImage(empty);
    emptySprite.setPosition(x, y + 33 - static_cast<float>(empty->height() / 2));
    fullSprite.setImage(full);
    fullSprite.setPosition(x, y + 33 - static_cast<float>(full->height() / 2));
}

void MenuScroll::nudge(float step) {
    value = std::clamp(value + step, 0.f, 1.f);
    nudged = true;
}

void MenuScroll::update(GameWindow& window, SoundBank& sounds) {
    MenuButton::update(window, sounds);
    changed = nudged;
    nudged = false;
    // Mapped through the view like the hover test, so the knob stays under the pointer
    // whatever the window's size.
    const float pointerX = pointer(window).x;
    if (pressed && !dragging) {
        dragging = true;
        grabOffset = pointerX - x;
    }
    if (dragging && !window.input().button(MouseButton::Left)) {
        dragging = false;
        changed = true;
    }
    // A slider reports drags, never clicks.
    if (clicked) acknowledge();
    if (dragging) value = std::clamp((pointerX - trackX - grabOffset) / length, 0.f, 1.f);

    const float cut = length * value;
    const int barWidth = static_cast<int>(fullSprite.image->width());
    const int barHeight = static_cast<int>(fullSprite.image->height());
    fullSprite.rect = IntRect{0, 0, static_cast<int>(cut + kBarCut), barHeight};
    const int emptyLeft = static_cast<int>(cut) + kBarCut;
    emptySprite.rect = IntRect{emptyLeft, 0, barWidth - emptyLeft, barHeight};
    emptySprite.x = trackX + static_cast<float>(emptyLeft);
}

void MenuScroll::draw(GameWindow& window) {
    x = value * length + trackX;
    placeHitBox();
    window.draw(fullSprite);
    window.draw(emptySprite);
    MenuButton::draw(window);
}
