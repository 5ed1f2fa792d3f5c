#pragma once

// The object kinds a level author writes, with the ones the checks and the map single out.
namespace levelkind {
constexpr int kForeground = 1;
constexpr int kInk = 3;
constexpr int kKey = 10;
constexpr int kClosedDoor = 11;
constexpr int kOpenDoor = 12;
constexpr int kCheckpoint = 18;
constexpr int kGoal = 19;
constexpr int kCameraTrigger = 20;

// 8, 9, 21 and on, and negative numbers mean nothing to the game: it treats them as solid
// terrain that is never erased.
inline bool hasRole(int kind) { return (kind >= 0 && kind <= 7) || (kind >= 10 && kind <= 20); }

// Terrain that stays where it is for the whole level: pencil is rubbed out by the boomerang,
// platforms move, doors open and resting arrows fly off, but ink and kinds without a role
// remain (only a flying arrow bores through ink).
inline bool isLasting(int kind) { return kind == kInk || !hasRole(kind); }
}  // namespace levelkind
