#pragma once

#include "input/Controls.h"
#include "level/ObjectList.h"
#include "player/Player.h"

// The key-and-door action, before the player's own step: a fresh press drops the key carried,
// opens a door with it, or with empty hands closes an open door to get its key back.
void keyAndDoorAction(Player& player, const Controls& controls, ObjectList& list, SoundBank& sounds);
// With empty hands, a key touched is taken, but not one just let go of.
void pickUpKey(Player& player, ObjectList& list, SoundBank& sounds);
