#pragma once

#include "level/ObjectList.h"
#include "platform/GameWindow.h"
#include "platform/Image.h"
#include "player/Player.h"

// The "open" and "close" door bubbles shown over the player when Space would act.
class Hints {
public:
    // The pictures are the cache's, so they outlive the window whatever the order of exit.
    Hints();
    // From where the player stood when it last looked for a door.
    void update(ObjectList& list, const DoorLook& look);
    void draw(GameWindow& window, float playerX, float playerY) const;

    bool open = false, close = false;

private:
    Image* openImage_;
    Image* closeImage_;
};
