#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Each writes its share of the game folder, deterministically.
void writeConfig(const std::filesystem::path& gameDir);
// Draws every picture of the game into the folder; returns their paths relative to it,
// or nothing (with a message) when the font is missing or a file cannot be written.
std::vector<std::string> writePictures(const std::filesystem::path& gameDir);
// One review page with every named picture of the folder on it.
bool writeContactSheet(const std::filesystem::path& gameDir, const std::vector<std::string>& names,
                       const std::filesystem::path& out);
// The sound effects (Content/Sound, WAV) and the music (Content/Music, Ogg Vorbis); false when
// a file cannot be written.
bool writeSounds(const std::filesystem::path& gameDir);
