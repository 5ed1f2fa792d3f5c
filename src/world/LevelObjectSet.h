#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>
#include <string>

#include "level/LevelFile.h"
#include "level/ObjectList.h"
#include "platform/GameWindow.h"
#include "platform/Image.h"
#include "resources/SpriteAnimation.h"

// The World's objects: the main list (everything but foreground decoration) and the
// foreground list, with the shared door, checkpoint and key-destroy pictures.
class LevelObjectSet {
public:
    LevelObjectSet();

    // Most pixels the objects' pictures may hold together once all are erased (1 GiB of RGBA):
    // a record whose picture would go beyond it is placed with no picture, as if the file were
    // missing.
    static constexpr std::uint64_t kPixelBudget = 4 * Image::kMaxPixels;
    // Positions are held within this many pixels of the origin (a record beyond is moved to
    // the edge), so every sum of a position and a size, and every conversion of a moving
    // position back to int, stays in range.
    static constexpr int kFarthest = 1 << 30;

    // Replaces the held objects by the named file's; a reload of the same level reuses
    // untouched objects and rebuilds erased or destroyed ones from the cached pictures.
    void load(const std::string& name);
    // While set, every load places these records instead of reading a file: a level being
    // edited, tried out. A record's picture is the one given for its index, else the cached one.
    struct InMemory {
        std::vector<LevelRecord> records;
        std::map<int, Image> pictures;
    };
    void placeFromMemory(std::optional<InMemory> level);
    bool fromMemory() const { return inMemory_.has_value(); }
    void clear(bool keepForReuse);
    void addObject(int kind, float x, float y, const Image& picture, int recordIndex);

    // Layers drawn before and after the player.
    void drawLayerOne(GameWindow& window);
    void drawLayerTwo(GameWindow& window);

    ObjectList mainList;
    ObjectList foregroundList;
    float platformSpeedX = 0, platformSpeedY = 0;
    bool keyDestroyActive = false;
    float keyDestroyX = 0, keyDestroyY = 0;
    SpriteAnimation keyDestroyAnimation;
    std::string loadedLevelName;
    ObjectList mainPool, foregroundPool;
    Image openDoorImage, closedDoorImage, checkpointImage, keyDestroyImage;

private:
    // A record of the level at `level`: its picture given in memory, else as the level file names it.
    const Image& pictureOf(const std::string& level, const LevelRecord& record) const;

    std::optional<InMemory> inMemory_;
};
