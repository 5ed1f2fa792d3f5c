#pragma once

#include <ostream>
#include <string>

// All of torve-levelcheck, run in the current game folder: reads the arguments, checks every
// level, draws the maps. Returns the exit status: 0 without errors (warnings allowed), 1 with
// errors, 2 for bad arguments.
int runLevelCheck(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Where a level's map goes: `mapPath` itself when one level is checked, otherwise `mapPath`
// with the level's name inserted before the extension (out.png and Level2.txt: out-Level2.png).
std::string mapPathFor(const std::string& mapPath, const std::string& levelPath, bool severalLevels);
