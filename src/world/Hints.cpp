#include "world/Hints.h"

#include "platform/Sprite.h"
#include "resources/ImageCache.h"
#include "world/Doors.h"

namespace {
Image* smoothPicture(const char* path) {
    Image* image = ImageCache::drawing(path);
    image->setSmooth(true);
    return image;
}

void drawHint(GameWindow& window, const Image& image, float playerX, float playerY) {
    Sprite sprite(&image);
    sprite.setPosition(static_cast<float>(static_cast<int>(playerX) - 200),
                       static_cast<float>(static_cast<int>(playerY) - 250));
    window.draw(sprite);
}
}  // namespace

Hints::Hints() : openImage_(smoothPicture("help_open.png")), closeImage_(smoothPicture("help_close.png")) {}

void Hints::update(ObjectList& list, const DoorLook& look) {
    open = false;
    close = false;
    if (look.carriedKey == -1) {
        if (!look.onGround) return;
        // Any carried index but -1 makes the door rule stop at its probe and change nothing.
        int probeKey = 9999;
        if (tryCloseDoor(list, look.x, look.y, look.w, look.h, probeKey, look.bx, look.by, look.bw, look.bh))
            close = true;
        return;
    }
    if (tryOpenDoor(look.x, look.y, look.w, look.h, list, -1)) open = true;
}

void Hints::draw(GameWindow& window, float playerX, float playerY) const {
    if (open) drawHint(window, *openImage_, playerX, playerY);
    if (close) drawHint(window, *closeImage_, playerX, playerY);
}
