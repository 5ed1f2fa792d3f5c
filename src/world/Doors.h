#pragma once

#include "level/ObjectList.h"

// A closed door within the list's closeDoorValue to either side of the box opens with the key
// at `keyIndex`, which is used up; without a key the answer is only whether one is in reach.
// The doors make no sound: the caller knows whether it probed or opened.
bool tryOpenDoor(int x, int y, int w, int h, ObjectList& list, int keyIndex);
// Closes the first open door within openDoorValue whose doorway is clear of the player, the
// boomerang (bx, by, bw, bh) and anything solid, and hands back the first used key. With a
// key already carried it is only a probe.
bool tryCloseDoor(ObjectList& list, int x, int y, int w, int h, int& carriedKey, int bx, int by, int bw, int bh);
