#pragma once

// Where every level starts the player: the box the game places at the configured start,
// in whole pixels as the game truncates it.
struct PlayerStart {
    int x = 500, y = -300;
    int width = 0, height = 0;

    // Reads "config.ini" in the current folder with the game's defaults.
    static PlayerStart fromConfig();
};
