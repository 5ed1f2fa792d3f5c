#pragma once

#include <initializer_list>
#include <string>

// One row of the character sheet as an animation name selects it.
struct AnimationRow {
    int row = 0;
    int frames = 0;
    bool mirrored = false;
    float periodFactor = 1;  // seconds per frame = periodFactor / animation fps
};

struct Rename {
    const char* from;
    const char* to;
};

// Rewrites `name` by the first entry whose `from` it equals; true if one matched.
bool applyRename(std::string& name, std::initializer_list<Rename> renames);
bool isOneOf(const std::string& name, std::initializer_list<const char*> names);

bool isAirborne(const std::string& name);
bool isJumpingFallingOrTossing(const std::string& name);
// False for a name that has no row: nothing of the player is drawn then.
bool lookupAnimation(const std::string& name, bool carryingKey, AnimationRow& out);
