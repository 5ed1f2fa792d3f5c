#include <algorithm>

#include "level/Kinds.h"
#include "platform/Sprite.h"
#include "world/LevelObjectSet.h"

namespace {
constexpr float kDoorFrameWidth = 101, kDoorFrameHeight = 140, kDoorPeriod = 0.1f;
constexpr int kDoorFrames = 5;
constexpr float kCheckpointFrameWidth = 140, kCheckpointFrameHeight = 400, kCheckpointPeriod = 0.1f;
constexpr int kCheckpointFrames = 14;
constexpr float kKeyDestroyFrameSize = 150, kKeyDestroyPeriod = 1.0f / 7;
constexpr int kKeyDestroyFrames = 6;

// Touching edges do not count: the overlap must have area.
bool visible(const LevelObject& o, const sf::View& view) {
    const sf::Vector2f centre = view.getCenter(), half = view.getSize() / 2.0f;
    const float left = std::max(o.x, centre.x - half.x);
    const float right = std::min(o.x + static_cast<float>(o.width), centre.x + half.x);
    const float top = std::max(o.y, centre.y - half.y);
    const float bottom = std::min(o.y + static_cast<float>(o.height), centre.y + half.y);
    return left < right && top < bottom;
}

void drawPlain(GameWindow& window, const LevelObject& o, float x) {
    Sprite sprite(&o.image);
    sprite.setPosition(x, o.y);
    window.draw(sprite);
}

void drawStrip(GameWindow& window, SpriteAnimation& anim, const Image& image, float frameWidth, float frameHeight,
               int row, int frames, float x, float y, bool reverse, float period) {
    Sprite sprite(&image);
    animate(anim, sprite, sprite, frameWidth, frameHeight, row, frames, window, x, y, reverse, period);
}
}  // namespace

void LevelObjectSet::drawLayerOne(GameWindow& window) {
    const sf::View& view = window.view();
    for (auto& object : mainList) {
        LevelObject& o = *object;
        const Drawing drawing = kindRoles(o.kind).drawing;
        if (drawing == Drawing::KeyOnTop || drawing == Drawing::Hidden || !visible(o, view)) continue;
        if (drawing == Drawing::CheckpointStrip) {
            drawStrip(window, o.checkpointAnimation, checkpointImage, kCheckpointFrameWidth, kCheckpointFrameHeight, 1,
                      kCheckpointFrames, o.x, o.y, false, kCheckpointPeriod);
        } else if (drawing == Drawing::OpenDoorStrip) {
            drawStrip(window, o.doorAnimation, openDoorImage, kDoorFrameWidth, kDoorFrameHeight, 1, kDoorFrames, o.x,
                      o.y, false, kDoorPeriod);
            // Hold the last, open frame instead of looping.
            if (o.doorAnimation.nextFrame == 0 && o.doorAnimation.shownFrame == 4) o.doorAnimation.nextFrame = 4;
        } else if (drawing == Drawing::ClosedDoorStrip) {
            drawStrip(window, o.doorAnimation, closedDoorImage, kDoorFrameWidth, kDoorFrameHeight, 2, kDoorFrames, o.x,
                      o.y, true, kDoorPeriod);
            if (o.doorAnimation.nextFrame == 4 && o.doorAnimation.shownFrame == 0) o.doorAnimation.nextFrame = 0;
        } else {
            drawPlain(window, o, o.x);
        }
    }
}

void LevelObjectSet::drawLayerTwo(GameWindow& window) {
    if (keyDestroyActive) {
        drawStrip(window, keyDestroyAnimation, keyDestroyImage, kKeyDestroyFrameSize, kKeyDestroyFrameSize, 1,
                  kKeyDestroyFrames, keyDestroyX, keyDestroyY, false, kKeyDestroyPeriod);
        if (keyDestroyAnimation.nextFrame == 5) keyDestroyActive = false;
    }
    // A key's picture is centred on its 35-pixel box.
    for (auto& object : mainList)
        if (kindRoles(object->kind).drawing == Drawing::KeyOnTop)
            drawPlain(window, *object, object->x + static_cast<float>(object->width / 2 - static_cast<int>(object->image.width()) / 2));
    for (auto& object : foregroundList) drawPlain(window, *object, object->x);
}
