#pragma once

#include "level/ObjectList.h"

// What one pass did, for its caller to sound out. Boomerang passes only set arrows off;
// arrow passes only break keys.
struct EraseReport {
    bool struck = false;  // an arrow pass destroyed a key or a resting arrow
    int arrowsSetOff = 0;
    int keysBroken = 0;
    bool pencilRubbedOut = false, inkRubbedOut = false;
};

// Rubs out the circle of `radius` in the square of side 2 * (radius + radius2) at (x, y) and
// fades the ring around it. Boomerang mode sets resting arrows off; arrow mode erases ink too
// and destroys keys and resting arrows.
EraseReport eraseAt(ObjectList& list, int x, int y, int radius, bool arrowMode);
