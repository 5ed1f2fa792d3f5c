#include "world/Level.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/Paths.h"

namespace {
struct Listed {
    const char* file;
    Music music;
    bool flight, shipped;
};

// The level sequence as shipped; six and seven are known by number only.
constexpr std::array<Listed, 7> kLevels = {{{"Level.txt", Music::Level1, false, true},
                                             {"Level2.txt", Music::Level2, false, true},
                                             {"Level3.txt", Music::Level3, false, true},
                                             {"Level4.txt", Music::Level4, false, true},
                                             {"Level5.txt", Music::Level5, true, true},
                                             {"Level6.txt", Music::Unchanged, false, false},
                                             {"Level7.txt", Music::Unchanged, false, false}}};

// The file's path within the player's levels folder, however the two are spelled.
std::optional<std::string> withinOwnLevels(const std::string& file) {
    namespace fs = std::filesystem;
    const std::string& folder = gameFolders().levels;
    if (folder.empty()) return std::nullopt;
    std::error_code ec;
    const fs::path full = fs::weakly_canonical(nativePath(file), ec);
    if (ec) return std::nullopt;
    const fs::path inFolder = full.lexically_relative(fs::weakly_canonical(nativePath(folder), ec));
    if (ec || inFolder.empty() || *inFolder.begin() == "..") return std::nullopt;
    return inFolder.generic_string();
}
}  // namespace

Level Level::of(const std::string& file) {
    Level record;
    record.file = file;
    const auto listed = std::find_if(kLevels.begin(), kLevels.end(), [&](const Listed& l) { return file == l.file; });
    if (listed == kLevels.end()) {
        if (const auto inFolder = withinOwnLevels(file)) {
            record.own = true;
            record.timesName = *inFolder;
        }
        return record;
    }
    record.number = static_cast<int>(listed - kLevels.begin()) + 1;
    record.music = listed->music;
    record.flight = listed->flight;
    record.shipped = listed->shipped;
    if (record.shipped) record.timesName = file;
    return record;
}

std::vector<std::string> Level::shippedFiles() {
    std::vector<std::string> files;
    for (const Listed& l : kLevels)
        if (l.shipped) files.push_back(l.file);
    return files;
}

const std::string& Level::first() {
    static const std::string name = kLevels.front().file;
    return name;
}

std::string Level::nextFile() const {
    if (own) return "";
    if (file == first()) return kLevels[1].file;
    // Only the file's own name counts: a folder's number is no level's.
    const size_t name = file.find_last_of("/\\") + 1;
    const auto digit = std::find_if(file.begin() + static_cast<long>(name), file.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
    // Without a number there is no next level: the game ends here.
    if (digit == file.end()) return "";
    const size_t i = static_cast<size_t>(digit - file.begin());
    // The number runs up to the four-letter extension; a shorter tail is read whole.
    const size_t length = file.size() >= i + 4 ? file.size() - i - 4 : std::string::npos;
    const int number = std::atoi(file.substr(i, length).c_str());
    return file.substr(0, i) + std::to_string(number + 1) + ".txt";
}
