#include "world/KeyAndDoorAction.h"

#include "world/Doors.h"
#include "world/KeyPickup.h"

namespace {
int toInt(float v) { return static_cast<int>(v); }
}  // namespace

void keyAndDoorAction(Player& player, const Controls& controls, ObjectList& list, SoundBank& sounds) {
    if (!controls.holds(Action::KeyDoor)) {
        player.actionArmed = 1;
        return;
    }
    if (player.actionArmed != 1) return;
    if (player.carriedKey == -1) {
        if (tryCloseDoor(list, toInt(player.x), toInt(player.y), toInt(player.width), toInt(player.height),
                         player.carriedKey, toInt(player.boomerang.x), toInt(player.boomerang.y),
                         toInt(player.boomerang.width), toInt(player.boomerang.height))) {
            sounds.playIfIdle("close_door.wav");
            player.actionArmed = 0;
            player.pickupCounter = 0;
        }
    } else if (tryOpenDoor(toInt(player.x), toInt(player.y), toInt(player.width), toInt(player.height), list,
                           player.carriedKey)) {
        player.carriedKey = -1;
        player.actionArmed = 0;
        sounds.playDoorOpen();
    } else {
        LevelObject& key = *list[player.carriedKey];
        key.x = player.x;
        key.y = player.y;
        key.dropSoundArmed = true;
        player.carriedKey = -1;
        player.actionArmed = 0;
        sounds.playKeyDrop();
    }
}

void pickUpKey(Player& player, ObjectList& list, SoundBank& sounds) {
    // A key that just left the hand lies under the player: wait before taking it again.
    if (++player.pickupCounter <= 60) return;
    const int key = takeKeyAt(list, toInt(player.x), toInt(player.y + 2), toInt(player.width), toInt(player.height));
    if (key == -1) return;
    player.carriedKey = key;
    player.pickupCounter = 0;
    sounds.playIfIdle("pickup_key.wav");
}
