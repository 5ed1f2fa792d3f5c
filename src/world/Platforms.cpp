#include <algorithm>

#include "level/Kinds.h"
#include "terrain/Box.h"
#include "terrain/Collision.h"
#include "terrain/ObjectBox.h"
#include "world/ObjectSteps.h"

namespace {
int trunc(float v) { return static_cast<int>(v); }

CollisionHit query(const Box& b, const ObjectList& list, float dirX, float dirY, int excluded = -1) {
    return queryBox(b.x, b.y, b.w, b.h, list, dirX, dirY, excluded);
}

Box boxOf(const LevelObject& o, float dx = 0, float dy = 0) { return {trunc(o.x + dx), trunc(o.y + dy), o.width, o.height}; }

bool isKey(int kind) { return kindRoles(kind).step == Step::Key; }

// Another platform whose box overlaps the given one, or -1.
int findOtherPlatform(const ObjectList& list, const Box& b, int excluded) {
    const WorldBox box = WorldBox::of(b);
    for (size_t i = 0; i < list.size(); ++i) {
        const LevelObject& o = *list[i];
        if (static_cast<int>(i) != excluded && isPlatform(o.kind) && overlaps(o, box)) return static_cast<int>(i);
    }
    return -1;
}

int indexOf(const ObjectList& list, const LevelObject& object) {
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& o) { return o.get() == &object; });
    return static_cast<int>(it - list.begin());
}

// A key in the platform's path stops it only when the key, pushed two steps on, would meet
// something other than keys and platforms of the platform's own kind.
bool keyBlocks(const ObjectList& list, const LevelObject& p, bool horizontal) {
    const float aheadX = horizontal ? 2 * p.speedX : 0;
    const float aheadY = horizontal ? 0 : 2 * p.speedY;
    const Box ahead = boxOf(p, aheadX, aheadY);
    for (size_t k = 0; k < list.size(); ++k) {
        const LevelObject& key = *list[k];
        if (!isKey(key.kind) || !objectOverlaps(list, static_cast<int>(k), ahead)) continue;
        const CollisionHit hit =
            horizontal ? query(boxOf(key, aheadX), list, p.speedX, 0)
                       : query({trunc(key.x), trunc(key.y), key.width, trunc(static_cast<float>(key.height) + aheadY)},
                               list, 0, p.speedY);
        if (hit.hit && !isKey(hit.kind) && hit.kind != p.kind) return true;
    }
    return false;
}

// Only the other platform's current speeds and kind change; its base speeds stay its own.
void handOver(const LevelObject& p, LevelObject& other) {
    if (p.speedX > 0 || p.baseSpeedX < 0) {
        other.speedX = p.speedX;
        other.kind = p.kind;
        other.speedY = 0;
    }
    if (p.speedY != 0) {
        other.speedY = p.speedY;
        other.kind = p.kind;
        other.speedX = 0;
    }
}
}  // namespace

void stepPlatform(LevelObject& p, ObjectList& list, float playerX, float playerY, float playerWidth,
                  float playerHeight, SoundBank& sounds) {
    const int index = indexOf(list, p);
    const float oldX = p.x, oldY = p.y;
    const Box playerBox{trunc(playerX), trunc(playerY), trunc(playerWidth), trunc(playerHeight)};

    p.speedX = p.baseSpeedX;
    p.x += p.speedX;
    const CollisionHit q1 = query(boxOf(p), list, p.speedX, 0);
    // Horizontal: p now overlaps the player. Down: p would move into the player below.
    // Up: the player stands on p.
    const bool d = objectOverlaps(list, index, {playerBox.x, trunc(playerY - p.speedY), playerBox.w, playerBox.h});
    if (q1.hit || d) {
        p.x -= p.speedX;
        p.speedX = 0;
    }

    p.y += p.speedY;
    const CollisionHit q2 = query(boxOf(p), list, p.speedX, 0);
    const CollisionHit q3 = query(boxOf(p), list, 0, p.speedY);
    // The look-ahead leaves the platform's own picture out: it always lies in the box moved
    // one step on and would never let a handed-over speed return to the base speed.
    const CollisionHit q4 = query(boxOf(p, 0, p.speedY), list, 0, p.speedY, index);

    const int other = findOtherPlatform(list, boxOf(p, p.speedX, p.speedY), index);
    if (other != -1) handOver(p, *list[other]);

    const Motion way = kindRoles(p.kind).platform;
    if (way == Motion::Right || way == Motion::Left) {
        if ((q2.hit && !isPlatform(q2.kind)) || d) p.x = oldX;
        const bool touched = objectOverlaps(list, index, {playerBox.x, trunc(playerY + 1), playerBox.w, playerBox.h});
        if (touched && q2.hit) p.x = oldX;
        if (keyBlocks(list, p, true)) {
            p.x = oldX;
            p.speedX = 0;
        }
    } else if (way == Motion::Down) {
        if ((q3.hit && !isPlatform(q3.kind)) || d) {
            p.y = oldY;
            p.speedY = 0;
        }
        if (keyBlocks(list, p, false)) {
            p.y = oldY;
            p.speedY = 0;
        }
    } else if (way == Motion::Up) {
        if (q3.hit && !isPlatform(q3.kind)) {
            p.y = oldY;
            p.speedY = 0;
        }
        // Never crush the rider into a ceiling.
        const CollisionHit head = queryBox(playerBox.x, trunc(p.y - playerHeight), playerBox.w, playerBox.h, list, 0,
                                           p.speedY);
        if (head.hit && !isPlatform(head.kind) && d) {
            p.y = oldY;
            p.speedY = 0;
        }
        if (keyBlocks(list, p, false)) {
            p.y = oldY;
            p.speedY = 0;
        }
    }
    if (isVerticalPlatform(p.kind) && !q4.hit && !d) p.speedY = p.baseSpeedY;

    // One sound for all platforms: the last one stepped in a frame decides.
    if (p.speedX == 0 && p.speedY == 0) sounds.pause("plattform.wav");
    else sounds.playIfIdle("plattform.wav");
}
