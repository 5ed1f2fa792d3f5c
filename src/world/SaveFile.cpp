#include <charconv>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <limits>
#include <sstream>
#include <vector>

#include "audio/SoundBank.h"
#include "platform/Paths.h"
#include "terrain/Collision.h"
#include "world/World.h"
#include "world/WorldVars.h"

namespace {
// Follows the folders chosen at start (GameFolders), so it is read at every use.
const std::string& kSaveFile = gameFolders().progress;

// Numbers are whole words; a fraction (the completion save writes floats) is truncated.
bool parseNumber(const std::string& word, int& out) {
    double value = 0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return false;
    if (value <= static_cast<double>(std::numeric_limits<int>::min()) - 1 ||
        value >= static_cast<double>(std::numeric_limits<int>::max()) + 1)
        return false;
    out = static_cast<int>(value);
    return true;
}

// A word is cut after kLongestWord bytes (longer than any path can be), so a damaged file
// without white space cannot take the game's memory.
std::vector<std::string> readWords(const std::string& path) {
    constexpr int kLongestWord = 4096;
    std::ifstream in(nativePath(path));
    std::vector<std::string> words;
    std::string word;
    while (words.size() < 4 && in >> std::setw(kLongestWord) >> word) words.push_back(word);
    return words;
}
}  // namespace

void World::applySaveDefaults() {
    checkpointX = static_cast<int>(worldVars.startX);
    checkpointY = static_cast<int>(worldVars.startY);
    highestLevel = 1;
    currentLevelName = "Level.txt";
}

bool World::loadSave() {
    // A save that cannot be written back is treated as no save at all.
    const bool usable = std::fstream(nativePath(kSaveFile), std::ios::in | std::ios::out).is_open();
    if (!usable) {
        applySaveDefaults();
        worldVars.flightLevel = false;
        respawnFalling();
        return false;
    }
    // Each field that is missing or unreadable keeps its default, so a damaged file
    // never leaves the progress undefined.
    const std::vector<std::string> words = readWords(kSaveFile);
    applySaveDefaults();
    if (words.size() > 0) parseNumber(words[0], checkpointX);
    if (words.size() > 1) parseNumber(words[1], checkpointY);
    if (words.size() > 2) currentLevelName = words[2];
    if (words.size() > 3) parseNumber(words[3], highestLevel);
    player.reset(checkpointX, checkpointY, !checkpointIsStart());
    return true;
}

void World::writeSave() {
    writeFileAtomically(kSaveFile, std::to_string(checkpointX) + ' ' + std::to_string(checkpointY) + ' ' +
                                       currentLevelName + ' ' + std::to_string(highestLevel));
}

void World::writeCompletionSave() {
    std::ostringstream out;
    out << worldVars.startX << ' ' << worldVars.startY << ' ' << "Level.txt" << ' ' << highestLevel;
    writeFileAtomically(kSaveFile, out.str());
}

void World::stepCheckpoint(LevelObject& checkpoint, int index) {
    if (!objectOverlaps(objects.mainList, index, static_cast<int>(player.x), static_cast<int>(player.y),
                        static_cast<int>(player.width), static_cast<int>(player.height)))
        return;
    if (player.carriedKey != -1) {
        // The key stays at -9999: it is destroyed, though a closed door can still hand it back.
        player.carriedKey = -1;
        soundBank().playKeyBreak();
        objects.keyDestroyActive = true;
        objects.keyDestroyAnimation.nextFrame = 0;
        objects.keyDestroyX = player.x - 20;
        objects.keyDestroyY = player.y - 40;
    }
    checkpointX = static_cast<int>(checkpoint.x - player.width * 0.5 + checkpoint.width / 2);
    checkpointY = static_cast<int>(static_cast<float>(checkpoint.height) + checkpoint.y - player.height);
    if (now > lastSaveTime + 5) {
        writeSave();
        lastSaveTime = now;
    }
}
