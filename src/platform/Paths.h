#pragma once

#include <string>

// Paths are kept as the game writes them (backslashes included); only opening a file
// maps them to the system's separator.
std::string nativePath(const std::string& path);

// The file can be opened for reading.
bool fileReadable(const std::string& path);

// The running program's folder followed by `suffix`.
std::string exeDirectoryPath(const std::string& suffix);
