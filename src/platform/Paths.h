#pragma once

#include <string>

// Paths are kept as the game writes them (backslashes included); only opening a file
// maps them to the system's separator.
std::string nativePath(const std::string& path);

// The running program's folder followed by `suffix`.
std::string exeDirectoryPath(const std::string& suffix);

// Sets one key of one section of an INI file, keeping every other line byte for byte;
// adds the section or key when missing and creates the file when absent. The file is
// replaced atomically. Returns false when the file could not be written.
bool writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path);

// Replaces `path` with `content` through a temporary file in the same folder and a rename,
// so a crash never leaves a half-written file. Returns false on any write error.
bool writeFileAtomically(const std::string& path, const std::string& content);
