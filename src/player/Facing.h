#pragma once

// The side the character faces. The state lines print it by the run keys' letters, as the
// game always has: 'A' left, 'D' right.
enum class Facing { Left, Right };

constexpr char letterOf(Facing facing) { return facing == Facing::Left ? 'A' : 'D'; }
