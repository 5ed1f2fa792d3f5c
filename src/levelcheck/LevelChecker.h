#pragma once

#include <vector>

#include "levelcheck/CheckedLevel.h"
#include "levelcheck/Diagnostic.h"
#include "levelcheck/PlayerStart.h"

// Everything about a level that the game passes over in silence: records it stops at, kinds
// without a role, pictures it cannot show, a missing goal, goals and checkpoints the player can
// never reach, doors without keys and a start inside the terrain. Sorted by line.
std::vector<Diagnostic> checkLevel(const CheckedLevel& level, const PlayerStart& start);
