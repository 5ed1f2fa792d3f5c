#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "pictures/Backdrop.h"
#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"
#include "pictures/TerrainPiece.h"

// Level 3, old ramparts at evening: a rose sky behind a long crenellated wall with towers,
// rubble slopes before it, ruined towers, banners and ivy.
namespace {

using namespace strokes;

constexpr float kWidth = 2048;
constexpr Paint kStone{206, 190, 160, 0.8f};

// The wall's top: merlons every 32 pixels (64 to the picture), towers at two places.
float wallTop(float x) {
    const float u = std::fmod(x + kWidth, kWidth);
    for (float tower : {520.0f, 1480.0f})
        if (std::abs(u - tower) < 70) return std::fmod(u, 28.0f) < 14 ? 92 : 110;
    return 250 + (std::fmod(u, 32.0f) < 16 ? 0 : 16) + 6 * backdrop::periodic(x, kWidth, 1201u);
}

Canvas rampartBackdrop() {
    Canvas c(2048, 560);
    Mask sky(2048, 560);
    for (int y = 0; y < 560; ++y)
        for (int x = 0; x < 2048; ++x) sky.raise(x, y, std::max(0.0f, 1 - std::abs(y - 260.0f) / 220));
    c.paint(sky, {236, 190, 176, 0.35f});
    Path outline;
    for (float x = -40; x <= kWidth + 40; x += 2) outline.push_back({x, wallTop(x)});
    Path area = outline;
    area.push_back({kWidth + 40, 564});
    area.push_back({-40, 564});
    Mask wall(2048, 560);
    wall.fill(area);
    c.paint(wall, kStone, Grain{14, 0.3f, 1202});
    Mask courses(2048, 560);  // courses of stone and their joints
    for (int row = 0; row < 14; ++row) {
        const float y = 270 + 22.0f * row;
        courses.capsule({-10, y}, {kWidth + 10, y}, 0.6f, 0.6f);
        for (int k = 0; k <= 64; ++k) {
            const float x = k * 32.0f + (row % 2) * 16;
            courses.capsule({x, y}, {x + noise::wobble(k * 0.7f + row, 1230u), y + 22}, 0.5f, 0.5f);
        }
    }
    courses.clip(wall);
    c.paint(courses, kGraphite.withAlpha(0.3f), Grain{3, 0.4f, 1210});
    for (float tower : {520.0f, 1480.0f}) {
        Mask shade(2048, 560);
        shade.fill({{tower + 10, 100}, {tower + 70, 100}, {tower + 70, 560}, {tower + 10, 560}});
        hatch(c, shade, -1.0f, 7, 1.2f, kGraphite.withAlpha(0.35f), 1300u + static_cast<std::uint32_t>(tower));
        pencil(c, {{tower - 12, 160}, {tower - 12, 200}}, 6, {60, 50, 50, 0.7f}, 1310u + static_cast<std::uint32_t>(tower), false);
    }
    pencil(c, outline, 1.8f, kGraphite.withAlpha(0.7f), 1320);
    backdrop::band(c, [](float x) { return 470 + 35 * backdrop::periodic(x, kWidth, 1330u); }, {150, 160, 120, 0.6f},
                   kGraphite.withAlpha(0.6f), 1331u);
    return c;
}

Canvas ruinedTower() {
    Canvas c(360, 660);
    Path body{{30, 656}, {40, 140}, {70, 120}, {70, 96}, {110, 96}, {110, 126}, {150, 110}, {170, 60}, {200, 60}, {205, 100},
              {250, 100}, {250, 70}, {290, 70}, {300, 160}, {320, 656}};
    wash(c, body, kStone, 1400);
    Mask m(360, 660);
    m.fill(body);
    for (int row = 0; row < 26; ++row) {
        const float y = 150 + 20.0f * row;
        pencil(c, {{40, y}, {318, y}}, 1.2f, kGraphite.withAlpha(0.35f), 1401u + row, false);
    }
    Mask shade(360, 660);
    shade.fill({{230, 60}, {320, 60}, {330, 660}, {230, 660}});
    shade.clip(m);
    hatch(c, shade, -1.0f, 6, 1.3f, kGraphite.withAlpha(0.4f), 1430);
    const Path slit{{170, 260}, {170, 200}, {186, 190}, {186, 260}};
    wash(c, slit, {50, 44, 48, 0.9f}, 1431);
    pencil(c, closed(body), 2.4f, kGraphite, 1432);
    return c;
}

Canvas banner() {
    Canvas c(120, 260);
    pencil(c, {{20, 258}, {22, 6}}, 4, {110, 80, 60, 1}, 1450);
    Path cloth{{24, 20}, {110, 26}};
    for (int i = 0; i <= 10; ++i) cloth.push_back({108 - 2.0f * i + 6 * std::sin(i * 0.9f), 30 + 16.0f * i});
    cloth.push_back({70, 170});
    cloth.push_back({24, 200});
    wash(c, cloth, {170, 50, 48, 0.9f}, 1451);
    wash(c, ellipsePath({62, 90}, 16, 16), {230, 190, 90, 0.9f}, 1452);
    pencil(c, closed(cloth), 1.8f, kGraphite, 1453);
    return c;
}

Canvas ivy() {
    Canvas c(220, 300);
    for (int v = 0; v < 3; ++v) {
        Path vine;
        for (int i = 0; i <= 20; ++i)
            vine.push_back({40.0f + 70 * v + 18 * noise::wobble(i * 0.3f, 1460u + v), 4.0f + 14 * i * (0.7f + 0.15f * v)});
        pencil(c, vine, 1.6f, {70, 90, 50, 1}, 1463u + v, false);
        for (size_t i = 1; i < vine.size(); i += 2) {
            const float side = i % 4 == 1 ? -1.0f : 1.0f;
            const Vec2 leaf = vine[i] + Vec2{side * 10, 2};
            wash(c, ellipsePath(leaf, 9, 7, 12), {90 + 20.0f * (i % 3), 140, 80, 0.85f}, 1470u + 40 * v + i);
        }
    }
    return c;
}

// The rampart's own ink masonry, drawn to the level's measure: a keep that closes the west,
// the wall walk the player lands on (its top and its footing, which hides a sealed vault),
// a gate tower across the walk and a rubble stair out of the moat.
namespace masonry {

using terrain::Shape;

// Merlons `w` wide and `h` high standing on a top at `y`, at the given left edges.
Path crenellated(float x0, float x1, float y, float w, float h, std::initializer_list<float> merlons) {
    Path top{{x0, y}};
    for (float m : merlons) {
        top.push_back({m, y});
        top.push_back({m + 2, y - h});
        top.push_back({m + w - 2, y - h});
        top.push_back({m + w, y});
    }
    top.push_back({x1, y});
    return top;
}

Shape keep() {
    return {"rampart_keep", 300, 1100, terrain::closedBelow(crenellated(2, 298, 70, 60, 40, {20, 120, 220}), 1098)};
}

// The walk's top is 40 below the picture's top; its merlons are hopped.
// The vault's upper half is hollowed out of its underside.
Shape walk() {
    Path outline = crenellated(2, 1248, 40, 56, 32, {560, 1000, 1194});
    for (Vec2 p : {Vec2{1248, 218}, {1200, 218}, {1198, 130}, {1072, 130}, {1070, 218}, {2, 218}}) outline.push_back(p);
    return {"rampart_walk", 1250, 220, outline};
}

// Under the walk: solid but for the vault's lower half, a pit (x 1100 to 1200) walked out of
// up a ramp, which meets the upper one, so the vault is sealed until something bores through.
Shape walkFooting() {
    return {"rampart_walk_footing", 1250, 290,
            {{2, 6}, {1100, 6}, {1102, 176}, {1164, 176}, {1198, 118}, {1200, 6}, {1248, 6}, {1248, 288}, {2, 288}}};
}

Shape gate() {
    return {"rampart_gate", 110, 580, terrain::closedBelow(crenellated(2, 108, 40, 26, 36, {4, 80}), 578)};
}

// A fallen block of masonry, too high to walk over.
Shape block() {
    return {"rampart_block", 70, 60, {{4, 16}, {20, 6}, {50, 4}, {66, 12}, {68, 58}, {2, 58}}};
}

// The blind end of the hall under the roof, from the roof's underside down into the floor.
Shape hallEnd() { return {"rampart_hall_end", 60, 240, {{2, 2}, {58, 2}, {58, 238}, {2, 238}}}; }

// A corbel jutting from nowhere in particular: a shelf to jump onto.
Shape corbel() { return {"rampart_corbel", 120, 40, {{2, 4}, {118, 2}, {116, 20}, {90, 36}, {30, 36}, {4, 20}}}; }

// Pencil screens that wall off a niche or a passage: broad enough to read as walls, not posts.
Shape screen(const std::string& name, int w, int h) {
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    return {name, w, h, {{3, 4}, {fw - 3, 2}, {fw - 4, fh / 2}, {fw - 2, fh - 4}, {2, fh - 3}, {4, fh / 2}}};
}

// Four risers of 71, each a jump, from the moat's floor up to the ground.
Shape rubble() {
    return {"rampart_rubble", 520, 330,
            {{2, 229}, {110, 229}, {112, 158}, {220, 158}, {222, 87}, {330, 87}, {332, 16}, {518, 16}, {518, 328}, {2, 328}}};
}

}  // namespace masonry

}  // namespace

void addRampartSetting(PictureSet& set) {
    add(set, "Content/Level/rampart_backdrop.png", rampartBackdrop());
    add(set, "Content/Level/rampart_tower.png", ruinedTower());
    add(set, "Content/Level/rampart_banner.png", banner());
    add(set, "Content/Level/rampart_ivy.png", ivy());
    std::uint32_t seed = 5200;
    for (const terrain::Shape& s : {masonry::keep(), masonry::walk(), masonry::walkFooting(), masonry::gate(), masonry::rubble(),
                                       masonry::block(), masonry::corbel(), masonry::hallEnd()})
        add(set, "Content/Level/" + s.name + ".png", terrain::drawPiece(s, terrain::Material::Ink, seed += 50));
    for (const terrain::Shape& s : {masonry::screen("rampart_screen", 44, 160), masonry::screen("rampart_barrier", 80, 124)})
        add(set, "Content/Level/" + s.name + ".png", terrain::drawPiece(s, terrain::Material::Pencil, seed += 50));
}
