#include <charconv>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

#include "audio/SoundBank.h"
#include "platform/Paths.h"
#include "platform/WriteQueue.h"
#include "terrain/Collision.h"
#include "world/World.h"

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

// The fields as the plain stream reads them (whole numbers, a word, a whole number); each
// field that the stream cannot read, and every field after it, is taken word by word
// instead. Only the file's head is read, so a damaged file cannot take the game's memory.
struct SaveFields {
    std::optional<int> x, y, highest;
    std::optional<std::string> level;
};

SaveFields readSaveFields(const std::string& path) {
    constexpr std::streamsize kLongestWord = 4096;
    std::string head(4 * kLongestWord, '\0');
    std::ifstream file(nativePath(path), std::ios::binary);
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(file.gcount()));

    SaveFields fields;
    std::istringstream stream(head);
    int x = 0, y = 0, highest = 0;
    std::string level;
    int read = 0;
    if (stream >> x) ++read, fields.x = x;
    if (read == 1 && stream >> y) ++read, fields.y = y;
    if (read == 2 && stream >> std::setw(kLongestWord) >> level) ++read, fields.level = level;
    if (read == 3 && stream >> highest) ++read, fields.highest = highest;
    if (read == 4) return fields;

    std::istringstream words(head);
    std::vector<std::string> word(4);
    for (auto& w : word) words >> std::setw(kLongestWord) >> w;
    int number = 0;
    if (read < 1 && parseNumber(word[0], number)) fields.x = number;
    if (read < 2 && parseNumber(word[1], number)) fields.y = number;
    if (read < 3 && !word[2].empty()) fields.level = word[2];
    if (read < 4 && parseNumber(word[3], number)) fields.highest = number;
    return fields;
}
}  // namespace

void World::applySaveDefaults() {
    checkpointX = static_cast<int>(startX);
    checkpointY = static_cast<int>(startY);
    highestLevel = 1;
    currentLevelName = Level::first();
}

bool World::loadSave() {
    // The save asked for last is what is read, written or not yet.
    WriteQueue::waitForWrites();
    applySaveDefaults();
    // Reading is all a save needs: progress in a read-only folder is still resumed.
    const bool used = fileReadable(kSaveFile);
    if (used) {
        // Each field that is missing or unreadable keeps its default, so a damaged file
        // never leaves the progress undefined.
        const SaveFields fields = readSaveFields(kSaveFile);
        checkpointX = fields.x.value_or(checkpointX);
        checkpointY = fields.y.value_or(checkpointY);
        currentLevelName = fields.level.value_or(currentLevelName);
        highestLevel = fields.highest.value_or(highestLevel);
        // A level that cannot be read would be an empty one to fall through for ever.
        if (!fileReadable(currentLevelName)) {
            const int highest = highestLevel;
            applySaveDefaults();
            highestLevel = highest;
        }
    } else {
        flightLevel = false;
    }
    saved_ = Progress{checkpointX, checkpointY, currentLevelName, highestLevel};
    resume(saved_);
    level = Level::of(currentLevelName);
    return used;
}

void World::resume(const Progress& from) {
    checkpointX = from.checkpointX;
    checkpointY = from.checkpointY;
    currentLevelName = from.level;
    highestLevel = from.highestLevel;
    player.reset(checkpointX, checkpointY, !checkpointIsStart());
}

void World::writeSave() {
    progress() = Progress{checkpointX, checkpointY, currentLevelName, highestLevel};
    if (playingApart_) return;
    WriteQueue::replaceFile(kSaveFile, std::to_string(checkpointX) + ' ' + std::to_string(checkpointY) + ' ' +
                                           currentLevelName + ' ' + std::to_string(highestLevel));
}

// Resumes at the first level's start; the fields of the level just finished stay as they are.
void World::writeCompletionSave() {
    progress() = Progress{static_cast<int>(startX), static_cast<int>(startY), Level::first(),
                          highestLevel};
    if (playingApart_) return;
    std::ostringstream out;
    out << startX << ' ' << startY << ' ' << Level::first() << ' ' << highestLevel;
    WriteQueue::replaceFile(kSaveFile, out.str());
}

void World::stepCheckpoint(LevelObject& checkpoint, int index) {
    if (!objectOverlaps(objects.mainList, index,
                        {static_cast<int>(player.x), static_cast<int>(player.y), static_cast<int>(player.width),
                         static_cast<int>(player.height)}))
        return;
    if (player.carriedKey != -1) {
        // The key stays out of play: it is destroyed, though a closed door can still hand it back.
        player.carriedKey = -1;
        sounds.playKeyBreak();
        objects.keyDestroyActive = true;
        objects.keyDestroyAnimation.nextFrame = 0;
        objects.keyDestroyX = player.x - 20;
        objects.keyDestroyY = player.y - 40;
    }
    checkpointX = static_cast<int>(checkpoint.x - player.width * 0.5 + checkpoint.width / 2);
    checkpointY = static_cast<int>(static_cast<float>(checkpoint.height) + checkpoint.y - player.height);
    // A checkpoint just reached is written at once; standing on it rewrites it now and then.
    const Progress& held = progress();
    const bool moved = held.checkpointX != checkpointX || held.checkpointY != checkpointY ||
                       held.level != currentLevelName;
    if (moved || now > lastSaveTime + 5) {
        writeSave();
        lastSaveTime = now;
    }
}
