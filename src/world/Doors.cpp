#include "world/Doors.h"

#include "level/Kinds.h"
#include "terrain/Collision.h"
#include "terrain/ObjectBox.h"

namespace {
// Door reach is horizontal only.
WorldBox widened(const Box& box, int reach) {
    const WorldBox b = WorldBox::of(box);
    return {b.left - static_cast<float>(reach), b.top, b.right + static_cast<float>(reach), b.bottom};
}
}  // namespace

bool tryOpenDoor(int x, int y, int w, int h, ObjectList& list, int keyIndex) {
    const WorldBox reach = widened({x, y, w, h}, list.rules.closeDoorValue);
    for (auto& door : list) {
        if (door->kind != Kind::ClosedDoor || !overlaps(*door, reach)) continue;
        // Without a key the door still answers "in reach".
        if (keyIndex >= 0 && static_cast<size_t>(keyIndex) < list.size()) {
            door->kind = Kind::OpenDoor;
            list[static_cast<size_t>(keyIndex)]->x = LevelObject::kKeyOutOfPlay;
        }
        return true;
    }
    return false;
}

bool tryCloseDoor(ObjectList& list, int x, int y, int w, int h, int& carriedKey, int bx, int by, int bw, int bh) {
    const Box player{x, y, w, h};
    const WorldBox reach = widened(player, list.rules.openDoorValue);
    const WorldBox boomerang = WorldBox::of({bx, by, bw, bh});
    for (auto& door : list) {
        if (door->kind != Kind::OpenDoor || !overlaps(*door, reach)) continue;
        if (overlaps(*door, WorldBox::of(player))) continue;
        if (queryBox(static_cast<int>(door->x), static_cast<int>(door->y), door->width, door->height, list, 1, 0).hit)
            continue;
        if (overlaps(*door, boomerang)) continue;
        if (carriedKey != -1) return true;
        door->kind = Kind::ClosedDoor;
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i]->x == LevelObject::kKeyOutOfPlay) {
                carriedKey = static_cast<int>(i);
                return true;
            }
        }
    }
    return false;
}
