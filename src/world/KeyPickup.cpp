#include "world/KeyPickup.h"

#include "level/Kinds.h"
#include "terrain/ObjectBox.h"

int takeKeyAt(ObjectList& list, int x, int y, int w, int h) {
    const WorldBox box = WorldBox::of({x, y, w, h});
    for (size_t i = 0; i < list.size(); ++i) {
        LevelObject& o = *list[i];
        if (kindRoles(o.kind).step == Step::Key && overlaps(o, box)) {
            o.x = LevelObject::kKeyOutOfPlay;
            return static_cast<int>(i);
        }
    }
    return -1;
}
