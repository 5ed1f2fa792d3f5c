#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "TerrainTestSupport.h"
#include "TestSupport.h"
#include "level/LevelFile.h"
#include "resources/ImageCache.h"
#include "terrain/Eraser.h"
#include "world/LevelObjectSet.h"

namespace {
// Pictures are cached for the whole run, so every test draws its own file names.
void drawPicture(const std::string& name, unsigned w, unsigned h) {
    Image picture;
    picture.create(w, h, Color{40, 40, 40, 255});
    ASSERT_TRUE(picture.saveToFile(name));
}

std::vector<int> kindsOf(const ObjectList& list) {
    std::vector<int> kinds;
    for (const auto& o : list) kinds.push_back(o->kind);
    return kinds;
}
}  // namespace

TEST(LevelObjectSet, RecordsBecomeObjectsInFileOrder) {
    TempDir dir;
    dir.write("config.ini", "[Plattform]\nSpeedX = 2.5\nSpeedY = 1.5\n");
    drawPicture("rec_ground.png", 30, 20);
    drawPicture("rec_small.png", 8, 6);
    dir.write("Level.txt",
              "500 700 rec_ground.png 2\n0 0 rec_small.png 1\n1 2 rec_small.png 4\n3 4 rec_small.png 5\n"
              "5 6 rec_small.png 6\n7 8 rec_small.png 7\n-9 -10 rec_small.png 10\n11 12 rec_small.png 3\n");
    dir.write("OneLine.txt",
              "500\t700 rec_ground.png 2  0 0 rec_small.png 1 1 2 rec_small.png 4 3 4 rec_small.png 5 5 6\n"
              "rec_small.png 6 7 8 rec_small.png 7 -9 -10 rec_small.png 10 11 12 rec_small.png\t3");
    for (const char* name : {"Level.txt", "OneLine.txt"}) {
        LevelObjectSet set;
        EXPECT_EQ(set.platformSpeedX, 2.5f);
        set.load(name);
        EXPECT_EQ(set.loadedLevelName, name);
        ASSERT_EQ(kindsOf(set.mainList), (std::vector<int>{2, 4, 5, 6, 7, 10, 3})) << name;
        ASSERT_EQ(kindsOf(set.foregroundList), (std::vector<int>{1})) << name;
        const LevelObject& ground = *set.mainList[0];
        EXPECT_EQ(std::tuple(ground.x, ground.y, ground.recordIndex, ground.width, ground.height),
                  std::tuple(500.0f, 700.0f, 0, 30, 20));
        EXPECT_NE(&ground.image, &ImageCache::forLevel("rec_ground.png"));  // its own image to erase
        EXPECT_EQ(set.foregroundList[0]->recordIndex, 1);
        const float speeds[][2] = {{0, 0}, {0, 1.5f}, {0, -1.5f}, {2.5f, 0}, {-2.5f, 0}, {0, 7}, {0, 0}};
        for (size_t i = 0; i < set.mainList.size(); ++i) {
            const LevelObject& o = *set.mainList[i];
            EXPECT_EQ(std::tuple(o.speedX, o.speedY, o.baseSpeedX, o.baseSpeedY),
                      std::tuple(speeds[i][0], speeds[i][1], speeds[i][0], speeds[i][1]))
                << i;
        }
        const LevelObject& key = *set.mainList[5];
        EXPECT_EQ(std::tuple(key.width, key.height, key.x, key.recordIndex), std::tuple(35, 6, -9.0f, 6));
    }
}

TEST(LevelObjectSet, ReloadingTheSameLevelKeepsOnlyUntouchedObjects) {
    TempDir dir;
    drawPicture("re_ground.png", 100, 20);
    drawPicture("re_thing.png", 10, 10);
    dir.write("Level.txt",
              "0 100 re_ground.png 2\n200 0 re_thing.png 11\n300 0 re_thing.png 6\n400 0 re_thing.png 10\n"
              "500 0 re_thing.png 10\n600 0 re_thing.png 1\n");
    LevelObjectSet set;
    set.load("Level.txt");
    ObjectList& list = set.mainList;
    LevelObject* door = list[1].get();
    LevelObject* platform = list[2].get();
    LevelObject* carriedKey = list[3].get();
    const LevelObject* front = set.foregroundList[0].get();

    eraseAt(list, 20, 80, 20, false);
    ASSERT_EQ(list[0]->image.alpha(40, 10), 0);
    door->kind = 12;
    door->doorAnimation.nextFrame = 5;
    platform->x = 340;
    platform->speedX = -platform->speedX - 1;
    carriedKey->x = -9999;
    list[4]->x = -9999;
    list[4]->imageChanged = true;

    set.load("Level.txt");
    ASSERT_EQ(list.size(), 5u);
    // Erased, so rebuilt: the ground is whole again.
    EXPECT_EQ(list[0]->image.alpha(40, 10), 255);
    EXPECT_FALSE(list[0]->imageChanged);
    EXPECT_EQ(list[1].get(), door);
    EXPECT_EQ(door->kind, 11);
    EXPECT_EQ(door->doorAnimation.nextFrame, 5);
    EXPECT_EQ(list[2].get(), platform);
    EXPECT_EQ(platform->x, 300);
    EXPECT_EQ(platform->speedX, -3);  // the shipped [Plattform] SpeedX is 2
    EXPECT_EQ(list[3].get(), carriedKey);
    EXPECT_EQ(carriedKey->x, 400);
    EXPECT_EQ(list[4]->x, 500);
    EXPECT_FALSE(list[4]->imageChanged);
    EXPECT_EQ(set.foregroundList[0].get(), front);
    EXPECT_TRUE(set.mainPool.empty());
    EXPECT_TRUE(set.foregroundPool.empty());

    dir.write("Other.txt", "1 1 re_thing.png 3\n");
    set.load("Other.txt");
    set.load("Level.txt");  // another level came between: everything is new
    EXPECT_EQ(set.mainList[1]->doorAnimation.nextFrame, 0);
    EXPECT_EQ(set.mainList[2]->speedX, 2);
}

// Objects show the cached picture's pixels until the eraser first changes one of them: that
// object alone gets pixels of its own, and a restart puts the cached ones back.
TEST(LevelObjectSet, ErasingOneObjectShowsOnNoOtherAndARestartUndoesIt) {
    TempDir dir;
    drawPicture("cow_pencil.png", 40, 40);
    dir.write("Level.txt", "0 0 cow_pencil.png 2\n100 0 cow_pencil.png 2\n200 0 cow_pencil.png 1\n");
    LevelObjectSet set;
    set.load("Level.txt");
    const Image& cached = ImageCache::forLevel("cow_pencil.png");
    LevelObject& erased = *set.mainList[0];
    const LevelObject& beside = *set.mainList[1];
    const LevelObject& front = *set.foregroundList[0];
    for (const LevelObject* o : {&std::as_const(erased), &beside, &front}) EXPECT_EQ(o->image.id(), cached.id());

    const int corner = -set.mainList.rules.radius2;  // the pass is centred on (20, 20)
    eraseAt(set.mainList, corner, corner, 20, false);
    EXPECT_EQ(erased.image.alpha(20, 20), 0);
    EXPECT_NE(erased.image.id(), cached.id());
    for (const Image* other : {&beside.image, &front.image, &cached}) {
        EXPECT_EQ(other->alpha(20, 20), 255);
        EXPECT_EQ(other->id(), cached.id());
    }

    set.load("Level.txt");
    EXPECT_EQ(set.mainList[1].get(), &beside);
    EXPECT_EQ(std::tuple(set.mainList[0]->image.id(), set.mainList[0]->image.alpha(20, 20)),
              std::tuple(cached.id(), std::uint8_t{255}));
}

TEST(LevelObjectSet, MalformedFilesLoadWhatTheyCan) {
    TempDir dir;
    drawPicture("mf_a.png", 4, 4);
    struct Case {
        std::string text;
        std::vector<int> kinds;
    };
    const Case cases[] = {
        {"1 2 mf_a.png 3\nabc 5 mf_a.png 3\n", {3}},
        {"1 2 mf_a.png 3\n4 zz mf_a.png 3\n", {3}},
        {"1 2 mf_a.png 3\n4 5 mf_a.png xx\n6 7 mf_a.png 3\n", {3, LevelFile::kUnreadableKind}},
        {"1 2 mf_a.png 3 4 5 mf_a.png", {3, LevelFile::kUnreadableKind}},
        {"1 2 mf_a.png 3 99999999999 5 mf_a.png 2", {3}},
        {"", {}},
        {"  \n\t\n", {}},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 19), {}},
        {"12 34 \x01\x02\xff 2\n", {2}},
    };
    for (const Case& c : cases) {
        dir.write("Bad.txt", c.text);
        LevelObjectSet set;
        set.load("Bad.txt");
        EXPECT_EQ(kindsOf(set.mainList), c.kinds) << c.text;
    }
    std::string binary(4096, '\0');
    for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 7919 + 13) % 256);
    dir.write("Noise.txt", binary);
    LevelObjectSet set;
    set.load("Noise.txt");
    set.load("Missing.txt");
    EXPECT_TRUE(set.mainList.empty());

    dir.write("NoPicture.txt", "10 10 mf_none.png 3\n");
    set.load("NoPicture.txt");
    ASSERT_EQ(set.mainList.size(), 1u);
    EXPECT_EQ(set.mainList[0]->width, 0);
    EXPECT_EQ(set.mainList[0]->height, 0);
}

TEST(LevelFile, ReportsLinesAndWhyReadingStopped) {
    LevelFile file = LevelFile::parse("500 700 a.png 2\n\n  10\n20 b.png\n 3 5 x c.png 2");
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0].line, 1);
    EXPECT_EQ(file.records[1].line, 3);
    EXPECT_EQ(file.records[1].picture, "b.png");
    EXPECT_EQ(file.records[1].index, 1);
    EXPECT_EQ(file.stop.field, LevelField::Y);
    EXPECT_EQ(file.stop.line, 5);
    EXPECT_EQ(file.stop.expected, "an integer y");
    EXPECT_EQ(file.stop.found, "x");
    EXPECT_FALSE(file.stop.clean());

    file = LevelFile::parse("1 2 a.png 3\r\n4 5 b.png 1x\n");
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.stop.field, LevelField::X);  // "1" was the kind; "x" is no next record
    EXPECT_EQ(file.stop.line, 2);
    EXPECT_EQ(file.stop.found, "x");

    file = LevelFile::parse("1 2 a.png\n\n");
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_FALSE(file.records[0].kindRead);
    EXPECT_EQ(file.stop.field, LevelField::Kind);
    EXPECT_EQ(file.stop.found, "end of file");
    EXPECT_EQ(file.stop.line, 3);

    file = LevelFile::parse("1 2");
    EXPECT_EQ(file.stop.field, LevelField::Picture);
    EXPECT_EQ(file.stop.expected, "a picture name");

    file = LevelFile::parse(std::string("1 2 a.png 3\n\x01\xff\0 ", 16));
    EXPECT_EQ(file.stop.found, "\\x01\\xFF\\x00");

    EXPECT_TRUE(LevelFile::parse("1 2 a.png 3").stop.clean());
    EXPECT_TRUE(LevelFile::parse("1 2 a.png 3\n\n").stop.clean());
    TempDir dir;
    EXPECT_FALSE(LevelFile::read("nothing_here.txt").stop.opened);
}
