#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "level/Kinds.h"
#include "level/LevelFile.h"
#include "platform/Image.h"

// The four walking levels each have a world of their own, terrain that is drawn rather
// than built from slabs, and platforms whose picture tells which way they go.
namespace {

const std::filesystem::path kGame = TORVE_GAME_DIR;
const char* const kWalkingLevels[] = {"Level.txt", "Level2.txt", "Level3.txt", "Level4.txt"};
constexpr unsigned kScreenWidth = 1024;

bool solid(std::uint8_t a) { return a > 100 || (a >= 1 && a <= 9); }

Image load(const std::string& picture) {
    Image img;
    EXPECT_TRUE(img.loadFromFile((kGame / picture).string())) << picture;
    return img;
}

// How far the highest solid pixel of a column moves up and down across the picture.
int topEdgeRange(const Image& img) {
    int highest = -1, lowest = -1;
    for (unsigned x = 0; x < img.width(); ++x)
        for (unsigned y = 0; y < img.height(); ++y)
            if (solid(img.alpha(x, y))) {
                const int top = static_cast<int>(y);
                highest = highest < 0 ? top : std::min(highest, top);
                lowest = std::max(lowest, top);
                break;
            }
    return highest < 0 ? 0 : lowest - highest;
}

}  // namespace

TEST(LevelSettings, NoTwoWalkingLevelsShareABackdrop) {
    std::map<std::string, std::string> owner;  // backdrop picture -> the level that uses it
    for (const char* level : kWalkingLevels) {
        const LevelFile file = LevelFile::read((kGame / level).string());
        ASSERT_TRUE(file.stop.clean()) << level;
        std::set<std::string> backdrops;
        for (const LevelRecord& r : file.records)
            if (r.kind == 0 && load(r.picture).width() >= kScreenWidth) backdrops.insert(r.picture);
        EXPECT_FALSE(backdrops.empty()) << level << " has no backdrop a screen wide";
        for (const std::string& picture : backdrops) {
            const auto [it, fresh] = owner.emplace(picture, level);
            EXPECT_TRUE(fresh) << picture << " is the backdrop of both " << it->second << " and " << level;
        }
    }
}

TEST(LevelSettings, EveryWalkingLevelStandsOnDrawnTerrain) {
    for (const char* level : kWalkingLevels) {
        const LevelFile file = LevelFile::read((kGame / level).string());
        std::set<std::string> terrain;
        for (const LevelRecord& r : file.records)
            if (r.kind == 2 || r.kind == 3) terrain.insert(r.picture);
        int mostUneven = 0;
        for (const std::string& picture : terrain) mostUneven = std::max(mostUneven, topEdgeRange(load(picture)));
        EXPECT_GT(mostUneven, 40) << level << ": every terrain picture has a nearly level top";
    }
}

TEST(LevelSettings, APlatformPictureGoesOneWayOnly) {
    std::map<std::string, std::pair<int, std::string>> way;  // picture -> its kind and the level it was first seen in
    for (const char* level : kWalkingLevels) {
        const LevelFile file = LevelFile::read((kGame / level).string());
        for (const LevelRecord& r : file.records) {
            if (!isPlatform(r.kind)) continue;
            const auto [it, fresh] = way.emplace(r.picture, std::pair{r.kind, std::string(level)});
            EXPECT_TRUE(fresh || it->second.first == r.kind)
                << r.picture << " is kind " << it->second.first << " in " << it->second.second << " and kind " << r.kind
                << " in " << level;
        }
    }
}
