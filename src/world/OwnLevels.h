#pragma once

#include <string>
#include <vector>

// The player's own levels: each level file (a .txt that places a picture) directly in the
// levels folder (GameFolders::levels) or in a folder of its own there, as paths the game
// opens, in the order of their names.
std::vector<std::string> ownLevelFiles();
