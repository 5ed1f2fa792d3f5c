#pragma once

#include <filesystem>

// Each writes its share of the game folder, deterministically.
void writeConfig(const std::filesystem::path& gameDir);
