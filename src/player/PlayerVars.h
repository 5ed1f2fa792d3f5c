#pragma once

// The ground under the player as the sound code sees it, kept across frames for the
// landing sound: surface 1 plain, 2 pencil, 3 ink.
struct PlayerVars {
    int surface = 0;
    bool onGround = false;
};

inline PlayerVars playerVars;
