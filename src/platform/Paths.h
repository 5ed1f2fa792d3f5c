#pragma once

#include <string>

// Where the game's files live, decided once at start. Tools and tests that never set them
// keep the plain names, found in the current folder.
struct GameFolders {
    std::string data;                     // levels, pictures, sounds, music, the shipped config.ini
    std::string settings = "config.ini";  // where the options are written
    std::string progress = "save.save";
    // Beside the progress: the player's own levels, and the best times.
    std::string levels = "levels";
    std::string stats = "stats.txt";
};

// The data beside the program when it is there, else in the install's share/torve/.
// Settings and progress (with the player's own levels and the best times) stay beside data
// found beside the program (a build or a portable copy) when that folder is writable; an
// install's, or a read-only copy's, go to the per-user folders, which are made here; the
// shipped settings are copied there on first start, so a later write of one key never leaves
// a file without the others.
GameFolders findGameFolders(const std::string& programFolder);
void useGameFolders(const GameFolders& folders);
const GameFolders& gameFolders();
// config.ini as read: the one the options are written to once it exists, else the shipped one.
std::string settingsToRead();

// Paths are kept as the game writes them (backslashes included); only opening a file
// maps them to the system's separator and finds relative names in the data folder.
std::string nativePath(const std::string& path);

// The file can be opened for reading.
bool fileReadable(const std::string& path);

// The running program's folder followed by `suffix`.
std::string exeDirectoryPath(const std::string& suffix);
