#include "menu/MenuButton.h"

#include "audio/SoundBank.h"
#include "resources/ImageCache.h"

MenuButton::MenuButton(const std::string& image, const std::string& hoverImage, float x, float y, float hitWidth,
                       float hitHeight, float hoverOffsetX, float hoverOffsetY, float hoverFrames, bool flipX,
                       bool ringOnHover)
    : ringOnHover(ringOnHover),
      hitWidth(hitWidth),
      hitHeight(hitHeight),
      x(x),
      y(y),
      hoverOffsetX(hoverOffsetX),
      hoverOffsetY(hoverOffsetY),
      hoverFrames(hoverFrames) {
    sprite.setImage(ImageCache::drawing(image));
    sprite.flipX = flipX;
    hitY = (static_cast<float>(sprite.image->height()) - hitHeight) * 0.5f + y;
    placeHitBox();
    if (!hoverImage.empty()) {
        hasHoverImage = true;
        Image* hover = ImageCache::drawing(hoverImage);
        hover->setSmooth(false);
        hoverSprite.setImage(hover);
        hoverSprite.flipX = flipX;
    }
}

sf::Vector2f MenuButton::viewCorner(const GameWindow& window) {
    const sf::View& view = window.view();
    return view.getCenter() - view.getSize() / 2.f;
}

// The hit box is centred on the still picture.
void MenuButton::placeHitBox() {
    hitX = (static_cast<float>(sprite.image->width()) - hitWidth) * 0.5f + x;
    hitRect = HitRect{hitX, hitY, hitX + hitWidth, hitY + hitHeight};
}

void MenuButton::acknowledge() {
    clicked = false;
    hoverAnim.nextFrame = 0;
    hoverAnim.shownFrame = 0;
    hoverActive = false;
}

bool MenuButton::takeClick() {
    if (!clicked) return false;
    acknowledge();
    return true;
}

void MenuButton::forgetPress(bool buttonDown) {
    pressed = false;
    mouseWasDown = buttonDown;
}

sf::Vector2f MenuButton::pointer(const GameWindow& window) {
    return window.mapPixelToCoords(window.input().mouseX, window.input().mouseY) - viewCorner(window);
}

bool MenuButton::underPointer(const GameWindow& window) const {
    const sf::Vector2f mouse = window.mapPixelToCoords(window.input().mouseX, window.input().mouseY);
    const sf::Vector2f corner = viewCorner(window);
    const float left = hitRect.left + corner.x;
    const float top = hitRect.top + corner.y;
    return left <= mouse.x && mouse.x <= left + hitWidth && top <= mouse.y && mouse.y <= top + hitHeight;
}

void MenuButton::update(GameWindow& window, SoundBank& sounds) {
    const bool pointedAt = underPointer(window);
    // Keyboard focus shows and rings as the pointer does; only the pointer presses.
    hovered = pointedAt || focused;

    if (window.input().button(MouseButton::Left)) {
        // Only a press that starts over the box counts; sliding onto it with the button held does not.
        if (pointedAt && !pressed && !mouseWasDown) pressed = true;
        mouseWasDown = true;
    } else {
        if (pointedAt && pressed) clicked = true;
        pressed = false;
        mouseWasDown = false;
    }

    if (hovered && !hoverActive && hasHoverImage) {
        hoverActive = true;
        if (ringOnHover) sounds.playMenuRing();
    }
}

void MenuButton::draw(GameWindow& window) {
    const sf::Vector2f corner = viewCorner(window);
    hoverSprite.setPosition(x + corner.x + hoverOffsetX, y + corner.y + hoverOffsetY);
    sprite.setPosition(x + corner.x, y + corner.y);
    window.draw(sprite);
    if (!hoverActive) return;

    const float lastFrame = hoverFrames - 1;
    // The strip wraps to 0 after its last frame; pin it there to hold.
    if (hoverAnim.nextFrame == 0 && static_cast<float>(hoverAnim.shownFrame) == lastFrame)
        hoverAnim.nextFrame = static_cast<int>(lastFrame);

    const float frameWidth = static_cast<float>(hoverSprite.image->width()) / hoverFrames;
    const float frameHeight = static_cast<float>(hoverSprite.image->height());
    const int frameCount = static_cast<int>(hoverFrames);
    if (hovered) {
        animate(hoverAnim, hoverSprite, hoverSprite, frameWidth, frameHeight, 1, frameCount, window, hoverSprite.x,
                hoverSprite.y, false, 0.02f);
        return;
    }
    // Played back to frame 0: the visit is over.
    if (static_cast<float>(hoverAnim.nextFrame) == lastFrame && hoverAnim.shownFrame == 0) {
        hoverActive = false;
        hoverAnim.nextFrame = 0;
        return;
    }
    animate(hoverAnim, hoverSprite, hoverSprite, frameWidth, frameHeight, 1, frameCount, window, hoverSprite.x,
            hoverSprite.y, true, 0.02f);
}
