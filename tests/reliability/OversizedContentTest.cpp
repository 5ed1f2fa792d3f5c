#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "ReliabilitySupport.h"
#include "level/LevelFile.h"
#include "levelcheck/LevelCheckTestSupport.h"
#include "platform/Image.h"
#include "resources/ImageCache.h"
#include "world/LevelObjectSet.h"

// Files far larger than any real level or picture stay within bounds: they are refused or
// cut short, and the game's memory stays small.
using ::testing::Contains;
using ::testing::HasSubstr;

namespace {
std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// Headers that declare 20 000 x 20 000 pixels (1.6 GB decoded), with no pixel data after them.
void writeHugePictureHeaders(const TempDir& dir) {
    const int hi = 20000 >> 8, lo = 20000 & 0xFF;
    dir.write("huge.png", bytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, hi,
                                 lo, 0, 0, hi, lo, 8, 6, 0, 0, 0, 0, 0, 0, 0}));
    dir.write("huge.jpg", bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 17, 8, hi, lo, hi, lo, 3, 1, 0x22,
                                 0, 2, 0x11, 1, 3, 0x11, 1, 0xFF, 0xD9}));
    // The decoder would fill a BMP or TGA with no pixel data with zeros: these would decode.
    std::string bmp = bytes({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, lo, hi, 0, 0, lo, hi, 0, 0,
                             1, 0, 32, 0});
    dir.write("huge.bmp", bmp + std::string(54 - bmp.size(), '\0'));
    dir.write("huge.tga", bytes({0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, lo, hi, lo, hi, 32, 8}));
}
}  // namespace

TEST(OversizedContent, HugePicturesAreRefusedBeforeTheyAreDecoded) {
    TempDir dir;
    writeHugePictureHeaders(dir);
    dir.write("Level.txt", "0 0 huge.png 3\n0 0 huge.jpg 2\n0 0 huge.bmp 0\n0 0 huge.tga 1\n");
    const long before = peakRssKiB();
    LevelObjectSet objects;
    objects.load("Level.txt");
    ASSERT_EQ(objects.mainList.size(), 3u);
    ASSERT_EQ(objects.foregroundList.size(), 1u);
    for (const auto* list : {&objects.mainList, &objects.foregroundList})
        for (const auto& o : *list) {
            EXPECT_EQ(o->image.width(), 0u);
            EXPECT_EQ(o->width, 0);
            EXPECT_EQ(o->height, 0);
        }
    EXPECT_LT(peakRssKiB() - before, 64 * 1024) << "a huge picture was decoded";

    // The level check tells the author why.
    const ToolRun check = runTool({"Level.txt"});
    EXPECT_THAT(check.diagnostics(), Contains(HasSubstr("error: picture 'huge.png' is 20000x20000 pixels; the game "
                                                        "refuses pictures of more than 67108864 pixels")));

    // The largest picture allowed still loads.
    Image wide;
    wide.create(8192, 16, Color{1, 2, 3, 255});
    ASSERT_TRUE(wide.saveToFile("wide.png"));
    Image loaded;
    EXPECT_TRUE(loaded.loadFromFile("wide.png"));
    EXPECT_EQ(loaded.width(), 8192u);
}

TEST(OversizedContent, AMillionRecordsLoadOnlyTheFirstHundredThousand) {
    TempDir dir;
    Image dot;
    dot.create(2, 2, Color{0, 0, 0, 255});
    ASSERT_TRUE(dot.saveToFile("dot.png"));
    {
        std::ofstream level("Level.txt");
        for (int i = 0; i < 1000000; ++i) level << i << " 0 dot.png 2\n";
    }
    const LevelFile file = LevelFile::read("Level.txt");
    ASSERT_EQ(file.records.size(), LevelFile::kMaxRecords);
    EXPECT_EQ(file.stop.line, 100001);
    EXPECT_NE(file.stop.expected.find("at most 100000 records"), std::string::npos);
    LevelObjectSet objects;
    objects.load("Level.txt");
    EXPECT_EQ(objects.mainList.size(), LevelFile::kMaxRecords);
    EXPECT_EQ(objects.mainList.back()->x, 99999.f);
}

TEST(OversizedContent, LevelFilesOverTheSizeLimitAndDevicesGiveNoRecords) {
    TempDir dir;
    dir.write("Level.txt", "0 0 dot.png 2\n");
    std::filesystem::resize_file("Level.txt", LevelFile::kMaxBytes + 1);
    const LevelFile large = LevelFile::read("Level.txt");
    EXPECT_TRUE(large.records.empty());
    EXPECT_TRUE(large.stop.opened);
    EXPECT_EQ(large.stop.line, 1);
    EXPECT_NE(large.stop.expected.find("at most 64 MiB"), std::string::npos);
    // An endless device would otherwise be read until memory runs out.
    const LevelFile device = LevelFile::read("/dev/zero");
    EXPECT_TRUE(device.records.empty());
    EXPECT_FALSE(device.stop.opened);
}

// Every object holds its own copy of its picture: past the budget the objects get no picture,
// and no further picture is even read.
TEST(OversizedContent, ALevelsPictureCopiesStayWithinTheBudget) {
    TempDir dir;
    Image big;
    big.create(2048, 2048, Color{0, 0, 0, 255});
    ASSERT_TRUE(big.saveToFile("big.bmp"));
    const int fit = static_cast<int>(LevelObjectSet::kPixelBudget / (2048 * 2048));
    std::string level;
    for (int i = 0; i < fit + 3; ++i) level += std::to_string(i * 10) + " 0 big.bmp 3\n";
    level += "0 0 never-read.png 3\n";
    dir.write("Level.txt", level);
    LevelObjectSet objects;
    const int loadsBefore = ImageCache::loadCount();
    objects.load("Level.txt");
    EXPECT_EQ(ImageCache::loadCount() - loadsBefore, 1);
    ASSERT_EQ(objects.mainList.size(), static_cast<size_t>(fit + 4));
    for (int i = 0; i < fit + 4; ++i)
        EXPECT_EQ(objects.mainList[static_cast<size_t>(i)]->image.width(), i < fit ? 2048u : 0u) << i;
}

// Positions at the ends of the integers, beside the player and far away: played over with
// throws, jumps and a restart, they raise no sanitizer report, and are held within reach.
TEST(OversizedContent, PositionsAtTheEndsOfTheIntegersArePlayable) {
    TempDir dir;
    std::filesystem::copy_file(std::filesystem::path(TORVE_GAME_DIR) / "config.ini", "config.ini");
    const std::pair<const char*, std::pair<unsigned, unsigned>> pictures[] = {
        {"ground.png", {1600, 40}}, {"lift.png", {200, 30}}, {"key.png", {35, 35}}, {"arrow.png", {50, 10}}};
    for (const auto& [name, size] : pictures) {
        Image picture;
        picture.create(size.first, size.second, Color{0, 0, 0, 255});
        ASSERT_TRUE(picture.saveToFile(name));
    }
    dir.write("Level.txt",
              "0 0 ground.png 3\n2147483647 0 ground.png 3\n-2147483648 -2147483648 ground.png 2\n"
              "2147483000 100 lift.png 6\n-2147483000 100 lift.png 7\n400 -2147483648 lift.png 4\n"
              "600 2147483647 lift.png 5\n700 -100 key.png 10\n2147483600 -100 key.png 10\n"
              "900 -100 arrow.png 13\n2147483640 -100 arrow.png 14\n300 -2147483000 arrow.png 16\n"
              "-2147483648 2147483647 ground.png 18\n500 -300 lift.png -2147483648\n520 -310 lift.png 2147483647\n");
    dir.write("play.txt", "120 d\n60 d w lmb mouse=900,300\n120 a lmb mouse=100,600\n3 r\n300 d w space\n");
    const MeasuredRun run = runMeasured("ALSOFT_DRIVERS=null " + std::string(TORVE_SIM_EXE) +
                                        " --level Level.txt --input play.txt --objects 2>errors.txt");
    const std::string errors = dir.read("errors.txt");
    ASSERT_EQ(run.status, 0) << errors.substr(0, 4000);
    EXPECT_EQ(sanitizerReport(errors), "");
    const nlohmann::json objects = lastState(run.out)["objects"];
    ASSERT_EQ(objects.size(), 15u);
    EXPECT_EQ(objects[1]["x"], LevelObjectSet::kFarthest);
    EXPECT_EQ(objects[2]["y"], -LevelObjectSet::kFarthest);
}
