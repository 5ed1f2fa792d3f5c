#include "resources/SpriteAnimation.h"

namespace {
void setRect(SpriteAnimation& anim, int column, float frameWidth, float frameHeight, int row) {
    anim.subLeft = static_cast<int>(static_cast<float>(column) * frameWidth);
    anim.subTop = static_cast<int>(static_cast<float>(row - 1) * frameHeight);
    anim.subRight = static_cast<int>(static_cast<float>(column) * frameWidth + frameWidth);
    anim.subBottom = static_cast<int>(static_cast<float>(row) * frameHeight);
}
}  // namespace

void animate(SpriteAnimation& anim, Sprite& first, Sprite& second, float frameWidth, float frameHeight, int row,
             int frameCount, GameWindow& window, float x, float y, bool reverse, float period) {
    anim.now = anim.clock.elapsedSeconds();
    const bool due = anim.lastStepTime + period < anim.now;
    if (!reverse) {
        if (due) {
            const int cur = anim.nextFrame;
            if (cur > 11 && &first != &second) anim.imageIndex = 1;
            if (cur < 11) anim.imageIndex = 0;
            if (cur < frameCount) setRect(anim, cur - 12 * anim.imageIndex, frameWidth, frameHeight, row);
            anim.shownFrame = cur;
            anim.lastStepTime = anim.now;
            anim.nextFrame = cur + 1;
        }
        if (anim.nextFrame >= frameCount) anim.nextFrame = 0;
    } else {
        if (due) {
            const int cur = anim.nextFrame;
            setRect(anim, cur, frameWidth, frameHeight, row);
            anim.shownFrame = cur;
            anim.lastStepTime = anim.now;
            anim.nextFrame = cur - 1;
        }
        if (anim.nextFrame < 0) anim.nextFrame = frameCount - 1;
    }
    Sprite& sprite = anim.imageIndex == 0 ? first : second;
    sprite.rect = IntRect{anim.subLeft, anim.subTop, anim.subRight - anim.subLeft, anim.subBottom - anim.subTop};
    sprite.setPosition(x, y);
    window.draw(sprite);
}
