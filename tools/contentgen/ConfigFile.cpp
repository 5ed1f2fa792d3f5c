#include <fstream>

#include "Generators.h"
#include "config/ShippedSettings.h"

void writeConfig(const std::filesystem::path& gameDir) {
    std::ofstream out(gameDir / "config.ini", std::ios::binary);
    out << kShippedSettings;
}
