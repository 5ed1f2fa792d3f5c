#include "player/PlayerAnimations.h"

#include <array>

namespace {
struct NamedRow {
    const char* name;
    AnimationRow row;
};

// Looked up in this order; the standing strip loses its last frame with a key in hand.
constexpr std::array<NamedRow, 16> kRows{{
    {"RunningRight", {1, 21, false, 1}},
    {"RunningLeft", {1, 21, true, 1}},
    {"RunningRightTossing", {6, 4, false, 1}},
    {"RunningLeftTossing", {6, 4, true, 1}},
    {"StandingRight", {10, 28, false, 1}},
    {"StandingLeft", {10, 28, true, 1}},
    {"StandingRightTossing", {9, 10, false, 0.5f}},
    {"StandingLeftTossing", {9, 10, true, 0.5f}},
    {"JumpingRightRunning", {2, 3, false, 2}},
    {"JumpingLeftRunning", {2, 3, true, 2}},
    {"JumpingRight", {3, 4, false, 2}},
    {"JumpingLeft", {3, 4, true, 2}},
    {"JumpingRightTossing", {7, 4, false, 1}},
    {"JumpingLeftTossing", {7, 4, true, 1}},
    {"FallingRight", {4, 9, false, 1}},
    {"FallingLeft", {4, 9, true, 1}},
}};
}  // namespace

bool applyRename(std::string& name, std::initializer_list<Rename> renames) {
    for (const Rename& r : renames) {
        if (name == r.from) {
            name = r.to;
            return true;
        }
    }
    return false;
}

bool isOneOf(const std::string& name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

bool isAirborne(const std::string& name) {
    return isOneOf(name, {"JumpingLeft", "JumpingLeftRunning", "JumpingRight", "JumpingRightRunning", "FallingLeft",
                          "FallingRight"});
}

bool isJumpingFallingOrTossing(const std::string& name) {
    return isAirborne(name) || isOneOf(name, {"JumpingLeftTossing", "JumpingRightTossing", "RunningLeftTossing",
                                              "RunningRightTossing", "StandingLeftTossing", "StandingRightTossing"});
}

bool lookupAnimation(const std::string& name, bool carryingKey, AnimationRow& out) {
    for (const NamedRow& r : kRows) {
        if (name == r.name) {
            out = r.row;
            if (out.row == 10 && carryingKey) out.frames = 27;
            return true;
        }
    }
    return false;
}
