#pragma once

#include <string>
#include <vector>

#include "input/InputScript.h"

// A level to measure on and the input that plays it.
struct BenchLevel {
    std::string name;        // level file in the game folder
    std::string scriptPath;  // input script for torve-sim
    InputScript script;
};

// Where the benchmarks run: a private copy of the game folder (links to the built one), so
// the save file and level files written there never touch the build.
struct BenchSetup {
    std::string folder;
    std::string simExe;
    std::vector<BenchLevel> levels;  // the shipped levels with their replays, or the stand-in
    bool standIn = false;            // true while no level with a replay is shipped
};

// Makes the folder, enters it and picks the levels: each shipped "LevelN.txt" whose replay
// "LevelN.script" exists in `replayDir`; without any, a long stand-in level built from the
// game's own pictures with a script that runs, jumps and throws through it.
BenchSetup prepareBench(const std::string& gameDir, const std::string& replayDir, const std::string& simExe);

// Where the player's box, the boomerang and a platform go in a level: boxes of the given
// size that overlap drawn terrain, in a fixed pseudo-random order.
struct QueryBox {
    int x, y, w, h, radius;
    float dirX, dirY;
};
std::vector<QueryBox> boxesOverTerrain(const std::string& level, int w, int h, int count);
