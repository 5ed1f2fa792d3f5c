#pragma once

#include "terrain/Collision.h"

// Rubs out the circle of `radius` in the square of side 2 * (radius + radius2) at (x, y) and
// fades the ring around it. Boomerang mode starts resting arrows; arrow mode erases ink too
// and destroys keys and resting arrows (reported by `hit`).
CollisionHit eraseAt(ObjectList& list, int x, int y, int radius, bool arrowMode);
