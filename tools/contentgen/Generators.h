#pragma once

#include <filesystem>

// Each writes its share of the game folder, deterministically.
void writeConfig(const std::filesystem::path& gameDir);
// The sound effects (Content/Sound, WAV) and the music (Content/Music, Ogg Vorbis); false when
// a file cannot be written.
bool writeSounds(const std::filesystem::path& gameDir);
