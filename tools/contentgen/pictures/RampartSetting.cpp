#include <algorithm>
#include <cmath>

#include "pictures/Backdrop.h"
#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

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

}  // namespace

void addRampartSetting(PictureSet& set) {
    add(set, "Content/Level/rampart_backdrop.png", rampartBackdrop());
    add(set, "Content/Level/rampart_tower.png", ruinedTower());
    add(set, "Content/Level/rampart_banner.png", banner());
    add(set, "Content/Level/rampart_ivy.png", ivy());
}
