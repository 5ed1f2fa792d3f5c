// The queries and the eraser read whole words of the objects' solidity masks; these runs hold
// them against the plain pixel rules over the game's own level pictures: random boxes,
// circles and directions with eraser passes in between and pictures changed behind the
// masks' backs, and crafted boxes along every edge of a picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "PlainTerrain.h"
#include "TerrainTestSupport.h"
#include "terrain/Collision.h"
#include "terrain/Eraser.h"

namespace {

// Sanitizer builds run the same cases, fewer of them.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kQueries = 100'000;
#else
constexpr int kQueries = 1'000'000;
#endif

const std::vector<Image>& levelPictures() {
    static const std::vector<Image> pictures = [] {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(std::string(TORVE_GAME_DIR) + "/Content/Level"))
            if (entry.path().extension() == ".png") files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        std::vector<Image> loaded(files.size());
        for (size_t i = 0; i < files.size(); ++i) loaded[i].loadFromFile(files[i].string());
        return loaded;
    }();
    return pictures;
}

LevelObject& place(ObjectList& list, int kind, float x, float y, const Image& picture) {
    auto o = std::make_unique<LevelObject>();
    o->kind = kind;
    o->x = x;
    o->y = y;
    o->image = picture;
    o->width = kind == 10 ? 35 : static_cast<int>(picture.width());
    o->height = static_cast<int>(picture.height());
    o->speedX = static_cast<float>(list.size());
    o->speedY = -static_cast<float>(list.size());
    list.push_back(std::move(o));
    return *list.back();
}

// Terrain, platforms, doors, arrows, keys, triggers and decoration thrown together, mostly at
// whole positions, some at fractional or far-out ones, some stacked exactly on another.
ObjectList randomLevel(std::mt19937& rng) {
    const auto& pictures = levelPictures();
    const int kinds[] = {2, 2, 2, 2, 3, 3, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 0, 22};
    ObjectList list;
    const int count = 4 + static_cast<int>(rng() % 10);
    for (int n = 0; n < count; ++n) {
        const Image& picture = pictures[rng() % pictures.size()];
        const int kind = kinds[rng() % std::size(kinds)];
        if (n > 0 && rng() % 6 == 0) {
            const LevelObject& under = *list[rng() % list.size()];
            place(list, kind, under.x, under.y, under.image);
            continue;
        }
        float x = static_cast<float>(static_cast<int>(rng() % 1400) - 100);
        float y = static_cast<float>(static_cast<int>(rng() % 900) - 100);
        if (rng() % 10 == 0) x += rng() % 2 ? 0.5f : -0.25f;
        if (rng() % 10 == 0) y -= 0.75f;
        if (rng() % 40 == 0) x += 6'000'000;
        place(list, kind, x, y, picture);
    }
    return list;
}

ObjectList copyOf(const ObjectList& list) {
    ObjectList copy;
    for (const auto& o : list) copy.push_back(std::make_unique<LevelObject>(*o));
    return copy;
}

std::string describe(const ObjectList& list) {
    std::string s;
    for (size_t i = 0; i < list.size(); ++i) {
        const LevelObject& o = *list[i];
        s += " [" + std::to_string(i) + ": kind " + std::to_string(o.kind) + " at " + std::to_string(o.x) + "," +
             std::to_string(o.y) + " " + std::to_string(o.width) + "x" + std::to_string(o.height) + "]";
    }
    return s;
}

void expectSameObjects(const ObjectList& a, const ObjectList& b, const std::string& what) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        const LevelObject& p = *a[i];
        const LevelObject& q = *b[i];
        EXPECT_EQ(std::tuple(p.kind, p.x, p.y, p.speedX, p.speedY, p.imageChanged),
                  std::tuple(q.kind, q.x, q.y, q.speedX, q.speedY, q.imageChanged))
            << what << " object " << i;
        EXPECT_TRUE(p.image.samePixels(q.image)) << what << " pixels of object " << i;
    }
}

struct Query {
    int x, y, w, h, radius;
    float dirX, dirY;
};

// Box sizes of the player, the boomerang and a platform, and anything else.
Query randomQuery(std::mt19937& rng, const ObjectList& list) {
    static const float dirs[][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {0.25f, 0}, {0, 0}, {1, 1}, {-2, -0.5f}};
    Query q{};
    switch (rng() % 4) {
        case 0: q.w = 40, q.h = 90; break;
        case 1: q.w = 24, q.h = 24; break;
        case 2: q.w = 200, q.h = 32; break;
        default: q.w = 1 + static_cast<int>(rng() % 130), q.h = 1 + static_cast<int>(rng() % 130); break;
    }
    q.radius = q.w == 24 && q.h == 24 ? 12 : static_cast<int>(rng() % 80);
    const LevelObject& near = *list[rng() % list.size()];
    q.x = static_cast<int>(near.x) - q.w + static_cast<int>(rng() % static_cast<unsigned>(near.width + q.w + 1));
    q.y = static_cast<int>(near.y) - q.h + static_cast<int>(rng() % static_cast<unsigned>(near.height + q.h + 1));
    const auto& d = dirs[rng() % std::size(dirs)];
    q.dirX = d[0];
    q.dirY = d[1];
    return q;
}

std::string describe(const Query& q) {
    return "box " + std::to_string(q.x) + "," + std::to_string(q.y) + " " + std::to_string(q.w) + "x" +
           std::to_string(q.h) + " dir " + std::to_string(q.dirX) + "," + std::to_string(q.dirY);
}

// `where` is only described when the answers differ.
void expectSameBox(const ObjectList& list, const Query& q, const std::string& where) {
    EXPECT_EQ(plain::fields(queryBox(q.x, q.y, q.w, q.h, list, q.dirX, q.dirY)),
              plain::fields(plain::query(q.x, q.y, q.w, q.h, 0, false, list, q.dirX, q.dirY)))
        << describe(q) << where;
}

void expectSameCircle(const ObjectList& list, const Query& q, const std::string& where) {
    EXPECT_EQ(plain::fields(queryCircle(q.x, q.y, q.w, q.h, q.radius, list, q.dirX, q.dirY)),
              plain::fields(plain::query(q.x, q.y, q.w, q.h, q.radius, true, list, q.dirX, q.dirY)))
        << describe(q) << " circle of radius " << q.radius << where;
}

void expectSameAnswers(const ObjectList& list, const Query& q, const std::string& where) {
    expectSameBox(list, q, where);
    expectSameCircle(list, q, where);
}

// Changes a picture the way the eraser never does: a pixel set directly, or the picture
// put back from the original (as a restart does).
void changeBehindTheMask(std::mt19937& rng, ObjectList& list, ObjectList& copy) {
    const size_t i = rng() % list.size();
    Image& image = list[i]->image;
    if (image.width() == 0) return;
    if (rng() % 2) {
        const unsigned x = rng() % image.width(), y = rng() % image.height();
        const std::uint8_t alphas[] = {0, 5, 10, 101, 255};
        const Color c{1, 2, 3, alphas[rng() % std::size(alphas)]};
        image.setPixel(x, y, c);
        copy[i]->image.setPixel(x, y, c);
    } else {
        const Image& original = levelPictures()[rng() % levelPictures().size()];
        if (original.width() != image.width() || original.height() != image.height()) return;
        image = original;
        copy[i]->image = original;
    }
}

}  // namespace

TEST(TerrainDifferential, QueriesAndErasingMatchThePlainRulesOverLevelPictures) {
    ASSERT_FALSE(levelPictures().empty());
    std::mt19937 rng(7130);
    constexpr int kPerLevel = 5000;
    for (int done = 0; done < kQueries && !::testing::Test::HasFailure(); done += kPerLevel) {
        ObjectList list = randomLevel(rng);
        ObjectList copy = copyOf(list);
        const std::string level = " in level" + describe(list);
        for (int n = 0; n < kPerLevel && !::testing::Test::HasFailure(); ++n) {
            const Query q = randomQuery(rng, list);
            if (n % 2) expectSameBox(list, q, level);
            else expectSameCircle(list, q, level);
            if (n % 250 == 0) {
                // The boomerang's and an arrow's passes, both centred near the query's box.
                const bool arrowMode = rng() % 3 == 0;
                const int radius = arrowMode ? 20 : 50;
                const int ex = q.x + q.w / 2 - radius - 3 + static_cast<int>(rng() % 9) - 4;
                const int ey = q.y + q.h / 2 - radius - 3;
                const EraseReport report = eraseAt(list, ex, ey, radius, arrowMode);
                const plain::EraseOutcome expected = plain::erase(copy, ex, ey, radius, arrowMode);
                const std::string what = "erasing at " + std::to_string(ex) + "," + std::to_string(ey) + level;
                EXPECT_EQ(std::tuple(report.struck, report.pencilRubbedOut, report.inkRubbedOut),
                          std::tuple(expected.result.hit, expected.pencil > 0, expected.ink > 0))
                    << what;
                expectSameObjects(list, copy, what);
            }
            if (n % 700 == 0) changeBehindTheMask(rng, list, copy);
        }
    }
}

TEST(TerrainDifferential, BoxesAlongEveryEdgeOfAPicture) {
    const auto& pictures = levelPictures();
    ASSERT_FALSE(pictures.empty());
    ObjectList list;
    // A wide picture off the word grid, a narrow one, and a pair stacked exactly for ties.
    const Image* wide = &pictures[0];
    const Image* narrow = &pictures[0];
    for (const Image& p : pictures) {
        if (p.width() > wide->width()) wide = &p;
        if (p.width() < narrow->width()) narrow = &p;
    }
    place(list, 3, 37, -21, *wide);
    place(list, 2, 101, 300, *narrow);
    place(list, 2, 101, 300, *narrow);
    place(list, 6, 1000, 100, pictures[pictures.size() / 2]);
    const int sizes[][2] = {{1, 1}, {2, 3}, {40, 90}, {24, 24}, {63, 5}, {64, 64}, {65, 2}, {200, 32}};
    const float dirs[][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {0, 0}};
    for (const auto& o : list) {
        const int left = static_cast<int>(o->x), top = static_cast<int>(o->y);
        const int right = left + o->width, bottom = top + o->height;
        for (const auto& size : sizes) {
            const int w = size[0], h = size[1];
            // Each edge crossed by -1 to 2 pixels, at the ends and the middle of the edge.
            std::vector<std::pair<int, int>> corners;
            for (int cross = -1; cross <= 2; ++cross) {
                for (const int along : {left - w + 1, (left + right) / 2, right - 1}) {
                    corners.push_back({along, top - h + cross});
                    corners.push_back({along, bottom - cross});
                }
                for (const int along : {top - h + 1, (top + bottom) / 2, bottom - 1}) {
                    corners.push_back({left - w + cross, along});
                    corners.push_back({right - cross, along});
                }
            }
            for (const auto& [x, y] : corners)
                for (const auto& d : dirs)
                    for (const int radius : {0, 1, 12, 60})
                        expectSameAnswers(list, Query{x, y, w, h, radius, d[0], d[1]}, " along an edge");
        }
        // An object's own box: it and its exact twin are both left out.
        for (const auto& d : dirs)
            expectSameAnswers(list, Query{left, top, o->width, o->height, 30, d[0], d[1]}, " (an object's own box)");
    }
    // A stacked pair ties everywhere: the earlier one is recorded, whatever the direction.
    ObjectList pair;
    placeFilled(pair, 3, 10, 10, 70, 20);
    placeFilled(pair, 2, 10, 10, 70, 20);
    for (const auto& d : dirs) {
        const CollisionHit hit = queryBox(0, 0, 100, 100, pair, d[0], d[1]);
        EXPECT_EQ(hit.index, d[0] == 0 && d[1] == 0 ? -1 : 0);
    }
}

TEST(TerrainDifferential, APictureChangedBehindTheMaskIsReadAsItIsNow) {
    ObjectList list;
    LevelObject& o = placeFilled(list, 3, 0, 0, 100, 10, Color{0, 0, 0, 0});
    EXPECT_FALSE(queryBox(0, 0, 50, 50, list, 0, 1).hit);
    o.image.setPixel(70, 5, Color{0, 0, 0, 255});  // not through the eraser
    EXPECT_FALSE(queryBox(0, 0, 50, 50, list, 0, 1).hit);
    EXPECT_EQ(queryBox(0, 0, 80, 50, list, 0, 1).hitX, 70);
    Image solid;
    solid.create(100, 10, Color{0, 0, 0, 255});
    o.image = solid;
    EXPECT_EQ(queryBox(0, 0, 50, 50, list, 0, 1).hitX, 0);
    EXPECT_EQ(queryCircle(0, 0, 50, 50, 30, list, -1, 0).hitX, 49);
}

TEST(TerrainDifferential, EveryAlphaValueAtEveryPlaceInAWord) {
    ObjectList list;
    LevelObject& o = placeFilled(list, 3, 0, 0, 300, 2, Color{0, 0, 0, 0});
    for (unsigned a = 0; a < 256; ++a) o.image.setPixel(a + 7, 1, Color{9, 9, 9, static_cast<std::uint8_t>(a)});
    for (int a = 0; a < 256; ++a) {
        const Query q{a + 7, 0, 1, 2, 5, 0, 1};
        expectSameAnswers(list, q, " alpha " + std::to_string(a));
    }
}
