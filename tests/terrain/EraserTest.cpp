#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "TerrainTestSupport.h"
#include "terrain/Eraser.h"

namespace {
// Radius 25 with the default ring of 3: the square at (50, 50) is 56 wide, centred on (78, 78).
constexpr int kCorner = 50, kRadius = 25, kCentre = 78;

LevelObject& dot(ObjectList& list, int kind, int dx, int dy) {
    return placeFilled(list, kind, static_cast<float>(kCentre + dx), static_cast<float>(kCentre + dy), 1, 1);
}
int alphaOf(const LevelObject& o) { return o.image.alpha(0, 0); }
}  // namespace

TEST(Eraser, ClearsTheCircleFadesTheRingAndStopsAtTheSquare) {
    ObjectList list;
    struct Case {
        int dx, dy, alpha;
    };
    const Case cases[] = {
        {0, 0, 0},      {23, 0, 0},     {0, -23, 0},    // approximate distance 24: erased
        {24, 0, 170},   {26, 0, 170},   {-27, 0, 170},  // 25 to 27: the ring
        {0, 27, 170},   {27, 0, 170},                   // x 105 is the square's last column
        {28, 0, 255},   {-28, 0, 255},  {0, 28, 255},   // 28 and beyond: untouched
        {20, 20, 255},                                  // 28.25 on the diagonal
    };
    for (const Case& c : cases) dot(list, 2, c.dx, c.dy);
    EXPECT_FALSE(eraseAt(list, kCorner, kCorner, kRadius, false).struck);
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(alphaOf(*list[i]), cases[i].alpha) << cases[i].dx << "," << cases[i].dy;
        EXPECT_EQ(list[i]->imageChanged, cases[i].alpha != 255) << cases[i].dx << "," << cases[i].dy;
    }
}

TEST(Eraser, RepeatedPassesFadeTheRimDownToTen) {
    ObjectList list;
    LevelObject& o = dot(list, 2, 26, 0);
    std::vector<int> seen{alphaOf(o)};
    for (int pass = 0; pass < 9; ++pass) {
        eraseAt(list, kCorner, kCorner, kRadius, false);
        seen.push_back(alphaOf(o));
    }
    EXPECT_EQ(seen, (std::vector<int>{255, 170, 113, 75, 50, 33, 22, 14, 10, 10}));
    EXPECT_EQ(o.image.pixel(0, 0), (Color{10, 20, 30, 10}));
}

TEST(Eraser, InkGivesWayOnlyToArrows) {
    for (const bool arrowMode : {false, true}) {
        ObjectList list;
        LevelObject& inside = dot(list, 3, 10, 0);
        LevelObject& ring = dot(list, 3, 26, 0);
        LevelObject& pencil = dot(list, 2, -10, 0);
        eraseAt(list, kCorner, kCorner, kRadius, arrowMode);
        EXPECT_EQ(alphaOf(inside), arrowMode ? 0 : 255);
        EXPECT_EQ(alphaOf(ring), arrowMode ? 170 : 255);
        EXPECT_EQ(inside.imageChanged, arrowMode);
        EXPECT_EQ(alphaOf(pencil), 0);
    }
}

TEST(Eraser, LeavesKindsItDoesNotWorkOn) {
    for (const bool arrowMode : {false, true}) {
        ObjectList list;
        for (int kind : {0, 1, 4, 6, 11, 12, 17, 18, 19, 20, 21}) placeFilled(list, kind, 60, 60, 40, 40);
        EXPECT_FALSE(eraseAt(list, kCorner, kCorner, kRadius, arrowMode).struck);
        for (const auto& o : list) {
            EXPECT_EQ(o->image.alpha(18, 18), 255) << o->kind;
            EXPECT_FALSE(o->imageChanged) << o->kind;
            EXPECT_EQ(o->x, 60) << o->kind;
        }
    }
    ObjectList empty;
    EXPECT_FALSE(eraseAt(empty, kCorner, kCorner, kRadius, true).struck);
}

TEST(Eraser, ReportsEachMaterialOnlyWhilePixelsOfItAreRubbedOut) {
    ObjectList list;
    placeFilled(list, 2, 0, 0, 200, 200);
    placeFilled(list, 3, 300, 0, 200, 200);
    const auto rubbed = [&list](int x, bool arrowMode) {
        const EraseReport r = eraseAt(list, x, 50, 25, arrowMode);
        return std::pair(r.pencilRubbedOut, r.inkRubbedOut);
    };
    EXPECT_EQ(rubbed(50, false), std::pair(true, false));
    EXPECT_EQ(rubbed(50, false), std::pair(false, false));  // only the faded ring is left to touch
    EXPECT_EQ(rubbed(330, true), std::pair(false, true));
}

TEST(Eraser, TheBoomerangSetsRestingArrowsFlying) {
    ObjectList list;
    list.rules.arrowSpeed = 4;
    LevelObject& right = placeFilled(list, 13, 70, 70, 10, 4);
    right.speedY = 1;
    LevelObject& left = placeFilled(list, 14, 70, 80, 10, 4);
    LevelObject& up = placeFilled(list, 15, 90, 70, 4, 10);
    LevelObject& down = placeFilled(list, 16, 60, 70, 4, 10);
    LevelObject& farAway = placeFilled(list, 15, 200, 70, 4, 10);
    const EraseReport report = eraseAt(list, kCorner, kCorner, kRadius, false);
    EXPECT_EQ(std::tuple(report.struck, report.arrowsSetOff), std::tuple(false, 4));
    const auto state = [](const LevelObject& o) { return std::tuple(o.kind, o.speedX, o.speedY, o.x, o.imageChanged); };
    EXPECT_EQ(state(right), std::tuple(17, 4.0f, 1.0f, 70.0f, false));  // the other speed keeps its value
    EXPECT_EQ(state(left), std::tuple(17, -4.0f, 0.0f, 70.0f, false));
    EXPECT_EQ(state(up), std::tuple(17, 0.0f, -4.0f, 90.0f, false));
    EXPECT_EQ(state(down), std::tuple(17, 0.0f, 4.0f, 60.0f, false));
    EXPECT_EQ(farAway.kind, 15);
}

TEST(Eraser, FlyingArrowsDestroyKeysAndRestingArrows) {
    ObjectList list;
    // A key's box is 35 wide whatever its picture: the pass must stay inside the 20-pixel picture.
    LevelObject& key = placeFilled(list, 10, 70, 70, 20, 10);
    key.width = 35;
    LevelObject& arrow = placeFilled(list, 16, 80, 85, 4, 10);
    LevelObject& flying = placeFilled(list, 17, 78, 78, 10, 4);
    const EraseReport report = eraseAt(list, kCorner, kCorner, kRadius, true);
    EXPECT_EQ(std::tuple(report.struck, report.keysBroken, report.arrowsSetOff), std::tuple(true, 1, 0));
    EXPECT_EQ(std::tuple(key.x, key.imageChanged), std::tuple(-9999.0f, true));
    EXPECT_EQ(std::tuple(arrow.x, arrow.kind, arrow.imageChanged), std::tuple(-8999.0f, 16, true));
    EXPECT_EQ(flying.x, 78);
    EXPECT_EQ(key.image.alpha(5, 5), 255);  // destroyed, not rubbed out

    ObjectList terrainOnly;
    dot(terrainOnly, 3, 0, 0);
    EXPECT_FALSE(eraseAt(terrainOnly, kCorner, kCorner, kRadius, true).struck);  // boring through goes on
}
