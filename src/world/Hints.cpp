#include "world/Hints.h"

#include "platform/Sprite.h"
#include "world/Doors.h"
#include "world/WorldVars.h"

namespace {
struct HintImages {
    Image open, close;
};

// Never destroyed: drawn pictures must outlive the window, whatever the order of exit.
HintImages& hintImages() {
    static auto* images = new HintImages();
    return *images;
}

void drawHint(GameWindow& window, const Image& image, float playerX, float playerY) {
    Sprite sprite(&image);
    sprite.setPosition(static_cast<float>(static_cast<int>(playerX) - 200),
                       static_cast<float>(static_cast<int>(playerY) - 250));
    window.draw(sprite);
}
}  // namespace

void loadHintImages() {
    HintImages& images = hintImages();
    images.open.loadFromFile("help_open.png");
    images.open.setSmooth(true);
    images.close.loadFromFile("help_close.png");
    images.close.setSmooth(true);
}

void updateHints(ObjectList& list, int x, int y, int w, int h, int carriedKey, bool onGround, int bx, int by, int bw,
                 int bh) {
    worldVars.hintOpen = false;
    worldVars.hintClose = false;
    if (carriedKey == -1) {
        if (!onGround) return;
        // Any carried index but -1 makes the door rule stop at its probe and change nothing.
        int probeKey = 9999;
        if (tryCloseDoor(list, x, y, w, h, probeKey, bx, by, bw, bh)) worldVars.hintClose = true;
        return;
    }
    if (tryOpenDoor(x, y, w, h, list, -1)) worldVars.hintOpen = true;
}

void drawHints(GameWindow& window, float playerX, float playerY) {
    if (worldVars.hintOpen) drawHint(window, hintImages().open, playerX, playerY);
    if (worldVars.hintClose) drawHint(window, hintImages().close, playerX, playerY);
}
