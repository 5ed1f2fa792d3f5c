#include "boomerang/EraserSounds.h"
#include "level/Kinds.h"
#include "terrain/Collision.h"
#include "terrain/Eraser.h"
#include "world/Doors.h"
#include "world/ObjectSteps.h"

namespace {
int trunc(float v) { return static_cast<int>(v); }

void moveKeyHorizontally(LevelObject& key, ObjectList& list) {
    const CollisionHit wall = queryBox(trunc(key.x), trunc(key.y), key.width, key.height, list, key.speedX, 0);
    if (!wall.hit) return;
    if (key.speedX > 0) key.x = static_cast<float>(wall.hitX - key.width - 1);
    if (key.speedX < 0) key.x = static_cast<float>(wall.hitX + 1);
}

void moveKeyVertically(LevelObject& key, ObjectList& list, int index, SoundBank& sounds) {
    const CollisionHit ground = queryBox(trunc(key.x), trunc(key.y), key.width, key.height, list, 0, key.speedY);
    // Dropped beside a closed door or falling past one, the key opens it and is used up.
    if (tryOpenDoor(trunc(key.x), trunc(key.y - 10), key.width, key.height + 10, list, index)) sounds.playDoorOpen();
    if (!ground.hit) return;
    if (key.dropSoundArmed) {
        sounds.playKeyDrop();
        key.dropSoundArmed = false;
    }
    // Resting on the surface by the picture's height, which may differ from the box.
    if (key.speedY > 0) key.y = static_cast<float>(ground.hitY - static_cast<int>(key.image.height()));
    if (key.speedY < 0) key.y = static_cast<float>(ground.hitY + 1);
}

void flyArrow(LevelObject& arrow, ObjectList& list, SoundBank& sounds) {
    const EraseReport pass = eraseAt(list, trunc(arrow.x), trunc(arrow.y), list.rules.arrowRadius, true);
    playEraserSounds(pass, sounds);
    if (!pass.struck) return;
    sounds.playIfIdle("break_arrow.wav");
    arrow.x = LevelObject::kDestroyedArrow;
    arrow.speedX = 0;
    arrow.speedY = 0;
}
}  // namespace

void stepObject(LevelObject& object, ObjectList& list, int index, SoundBank& sounds) {
    const Step step = kindRoles(object.kind).step;
    const bool key = step == Step::Key;
    if (key) {
        const CollisionHit under =
            queryBox(trunc(object.x), trunc(object.y + 1), object.width, object.height, list, 0, 1);
        object.speedX = under.hit && isHorizontalPlatform(under.kind) ? under.speedX : 0;
    }
    object.x += object.speedX;
    if (key) moveKeyHorizontally(object, list);
    object.y += object.speedY;
    if (key) moveKeyVertically(object, list, index, sounds);
    if (step == Step::FlyingArrow) flyArrow(object, list, sounds);
}
