#include "world/OwnLevels.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "level/LevelFile.h"
#include "platform/Paths.h"

namespace {
namespace fs = std::filesystem;

// More than a list can show; a folder of thousands of files is no reason to stall.
constexpr size_t kMostLevels = 1000;

// The names of the .txt files in `folder`, as found.
std::vector<std::string> textFilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end && names.size() < kMostLevels; it.increment(ec))
        if (it->path().extension() == ".txt" && it->is_regular_file(ec))
            names.push_back(it->path().filename().string());
    return names;
}
}  // namespace

std::vector<std::string> ownLevelFiles() {
    const std::string& levels = gameFolders().levels;
    if (levels.empty()) return {};
    const fs::path folder = nativePath(levels);
    std::vector<std::string> inFolder = textFilesIn(folder);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_directory(ec)) continue;
        const std::string sub = it->path().filename().string();
        for (const std::string& name : textFilesIn(it->path())) inFolder.push_back(sub + "/" + name);
        if (inFolder.size() >= kMostLevels) break;
    }
    // As a player reads a list: "moss" among the "M"s.
    const auto folded = [](std::string name) {
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        return name;
    };
    std::sort(inFolder.begin(), inFolder.end(), [&](const std::string& a, const std::string& b) {
        const std::string fa = folded(a), fb = folded(b);
        return fa != fb ? fa < fb : a < b;
    });
    std::vector<std::string> files;
    for (const std::string& name : inFolder) {
        const std::string file = levels + "/" + name;
        if (!LevelFile::read(file).records.empty()) files.push_back(file);
    }
    return files;
}
