#include <algorithm>
#include <array>
#include <string_view>
#include <cctype>
#include <cstdlib>

#include "platform/Paths.h"
#include "world/World.h"
#include "world/WorldVars.h"

void World::changeLevel(const std::string& name) {
    // `name` may be currentLevelName itself, which resume overwrites.
    const std::string wanted = name;
    if (!isShippedLevel(wanted) && !playingApart_) {
        apart_ = saved_;
        playingApart_ = true;
    }
    worldVars.cameraFollow = false;
    // Every start of a level starts the flight afresh too.
    scarfBall.reset();
    worldVars.flightCameraX = WorldVars{}.flightCameraX;
    resume(progress());
    if (wanted != currentLevelName) {
        currentLevelName = wanted;
        resetToStart();
    }
    highestLevel = std::max(highestLevel, levelNumber());
    writeSave();
    objects.load(wanted);
}

void World::continueLevel() {
    if (playingApart_) {
        playingApart_ = false;
        currentLevelName = saved_.level;
    }
    changeLevel(currentLevelName);
}

void World::playApart(const std::string& name) {
    if (!playingApart_) apart_ = saved_;
    playingApart_ = true;
    changeLevel(name);
}

bool World::nextLevelName() {
    std::string candidate;
    if (currentLevelName == "Level.txt") {
        candidate = "Level2.txt";
    } else {
        const auto digit = std::find_if(currentLevelName.begin(), currentLevelName.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
        // Without a number there is no next level: the game ends here.
        if (digit == currentLevelName.end()) return false;
        const size_t i = static_cast<size_t>(digit - currentLevelName.begin());
        // The number runs up to the four-letter extension; a shorter tail is read whole.
        const size_t length = currentLevelName.size() >= i + 4 ? currentLevelName.size() - i - 4 : std::string::npos;
        const int number = std::atoi(currentLevelName.substr(i, length).c_str());
        candidate = currentLevelName.substr(0, i) + std::to_string(number + 1) + ".txt";
    }
    // Reading is all a level needs: a read-only game folder plays every level.
    if (!fileReadable(candidate)) return false;
    currentLevelName = candidate;
    return true;
}

namespace {
constexpr std::array<std::string_view, 5> kShippedLevels = {"Level.txt", "Level2.txt", "Level3.txt", "Level4.txt",
                                                            "Level5.txt"};
}

bool World::isShippedLevel(const std::string& name) {
    return std::find(kShippedLevels.begin(), kShippedLevels.end(), name) != kShippedLevels.end();
}

int World::levelNumber() const {
    static const char* const names[] = {"Level.txt",  "Level2.txt", "Level3.txt", "Level4.txt",
                                        "Level5.txt", "Level6.txt", "Level7.txt"};
    for (int n = 0; n < 7; ++n)
        if (currentLevelName == names[n]) return n + 1;
    return 0;
}
