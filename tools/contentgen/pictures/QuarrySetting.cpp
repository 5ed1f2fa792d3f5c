#include <cmath>
#include <string>

#include "pictures/Backdrop.h"
#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"
#include "pictures/TerrainPiece.h"

// Level 4, cliffs and a quarry: terraced cliffs of banded rock in ochre and rust, a deeper
// wall of strata for the pit, a wooden crane, a cart and stacked blocks; and cut stone in ink,
// square-sided so that running into a block stops the player flat for a clean jump, and
// walls of one piece where stacked pieces would leave seams and notches.
namespace {

using namespace strokes;

constexpr float kWidth = 2048;

// A terraced edge: flat benches cut by steps, repeating with the picture.
float terraces(float x, float base, float step, std::uint32_t seed) {
    const float u = std::fmod(x + kWidth, kWidth);
    const int bench = static_cast<int>(u / 256);
    return base - step * (bench % 4 == 3 ? 1 : bench % 4) + 12 * backdrop::periodic(x, kWidth, seed);
}

// Strata lines across a region, gently bent, as a quarry face shows them.
void strata(Canvas& c, const Mask& region, float top, float spacing, std::uint32_t seed) {
    Mask lines(c.width(), c.height());
    for (float y = top; y < c.height(); y += spacing) {
        Path p;
        for (float x = -20; x <= c.width() + 20; x += 16) p.push_back({x, y + 6 * backdrop::periodic(x + y * 3, kWidth, seed)});
        lines.stroke(p, 0.8f);
    }
    lines.clip(region);
    c.paint(lines, kGraphite.withAlpha(0.35f), Grain{3, 0.5f, seed + 1});
}

Canvas quarryBackdrop() {
    Canvas c(2048, 560);
    const struct {
        float base, step;
        Paint paint;
    } bands[] = {{230, 60, {222, 196, 150, 0.5f}}, {340, 50, {206, 150, 100, 0.55f}}, {450, 30, {180, 120, 90, 0.6f}}};
    std::uint32_t seed = 1500;
    for (const auto& b : bands) {
        backdrop::band(c, [&](float x) { return terraces(x, b.base, b.step, seed); }, b.paint, kGraphite.withAlpha(0.6f), seed + 1);
        Mask below(2048, 560);
        Path area;
        for (float x = -40; x <= kWidth + 40; x += 6) area.push_back({x, terraces(x, b.base, b.step, seed) + 4});
        area.push_back({kWidth + 40, 564});
        area.push_back({-40, 564});
        below.fill(area);
        strata(c, below, b.base - 2 * b.step, 14, seed + 2);
        seed += 10;
    }
    return c;
}

Canvas pitWall() {
    Canvas c(2048, 800, Paint{196, 150, 110, 0.45f});
    Mask all(2048, 800);
    all.fill({{0, 0}, {2048, 0}, {2048, 800}, {0, 800}});
    strata(c, all, 10, 24, 1530);
    for (int i = 0; i < 40; ++i) {  // chisel marks
        const float x = (i + 0.5f) * kWidth / 40, y = 60 + 680 * noise::hash(i, 1, 1531u);
        pencil(c, {{x, y}, {x + 10, y + 22}}, 1.4f, kGraphite.withAlpha(0.4f), 1532u + i, false);
    }
    return c;
}

Canvas crane() {
    Canvas c(380, 540);
    const Paint wood{160, 116, 76, 0.9f};
    auto beam = [&](Vec2 a, Vec2 b, float w, std::uint32_t seed) {
        const Vec2 d = b - a, n = Vec2{-d.y, d.x} * (w / d.length());
        wash(c, {a + n, b + n, b - n, a - n}, wood, seed);
        pencil(c, {a + n, b + n}, 1.6f, kGraphite, seed + 1, false);
        pencil(c, {a - n, b - n}, 1.6f, kGraphite, seed + 2, false);
    };
    beam({60, 536}, {70, 60}, 10, 1600);
    beam({70, 80}, {360, 40}, 8, 1610);
    beam({70, 300}, {220, 60}, 5, 1620);
    beam({10, 536}, {66, 400}, 6, 1630);
    pencil(c, {{350, 44}, {352, 380}}, 1.4f, kGraphite, 1640, false);
    const Path block{{320, 380}, {384, 380}, {380, 440}, {318, 436}};
    wash(c, block, {200, 190, 170, 0.95f}, 1641);
    pencil(c, {block[0], block[1], block[2], block[3], block[0]}, 2.0f, kGraphite, 1642);
    return c;
}

Canvas cart() {
    Canvas c(220, 140);
    const Path body{{10, 30}, {210, 30}, {190, 104}, {30, 104}};
    wash(c, body, {120, 110, 110, 0.9f}, 1650);
    Mask m(220, 140);
    m.fill(body);
    hatch(c, m, -0.9f, 7, 1.2f, kGraphite.withAlpha(0.4f), 1651);
    pencil(c, {body[0], body[1], body[2], body[3], body[0]}, 2.4f, kGraphite, 1652);
    wash(c, {{40, 30}, {70, 6}, {120, 12}, {160, 4}, {190, 30}}, {210, 180, 130, 0.9f}, 1653);  // a load of stone
    for (float x : {60.0f, 160.0f}) {
        Path wheel = ellipsePath({x, 112}, 20, 20);
        wash(c, wheel, {80, 70, 70, 0.9f}, 1654u + static_cast<std::uint32_t>(x));
        wheel.push_back(wheel.front());
        pencil(c, wheel, 2.0f, kGraphite, 1656u + static_cast<std::uint32_t>(x));
    }
    return c;
}

Canvas blocks() {
    Canvas c(240, 160);
    const Vec2 at[] = {{10, 90}, {120, 92}, {60, 24}};
    for (int i = 0; i < 3; ++i) {
        const Vec2 o = at[i];
        const Path b{o, o + Vec2{106, 2}, o + Vec2{104, 66}, o + Vec2{2, 64}};
        wash(c, b, {214 - 10.0f * i, 196, 160, 0.95f}, 1660u + i);
        pencil(c, {b[0], b[1], b[2], b[3], b[0]}, 2.0f, kGraphite, 1664u + i);
    }
    return c;
}

// Cut stone in ink, square-sided: a block to jump onto, the walls of the shaft and the gorge.
terrain::Shape cutStone(const std::string& name, int w, int h, float top, std::uint32_t seed) {
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    Path outline = terrain::groundLine(2, fw - 2, top, seed);
    outline.push_back({fw - 3, fh - 2});
    outline.push_back({3, fh - 2});
    return {name, w, h, outline};
}

}  // namespace

void addQuarrySetting(PictureSet& set) {
    add(set, "Content/Level/quarry_backdrop.png", quarryBackdrop());
    add(set, "Content/Level/quarry_backdrop_pit.png", pitWall());
    add(set, "Content/Level/quarry_crane.png", crane());
    add(set, "Content/Level/quarry_cart.png", cart());
    add(set, "Content/Level/quarry_blocks.png", blocks());
    const terrain::Shape stones[] = {cutStone("quarry_ink_block", 260, 140, 12, 1670u),
                                     cutStone("quarry_ink_pillar", 80, 800, 4, 1671u),
                                     cutStone("quarry_ink_pier", 80, 460, 4, 1672u),
                                     cutStone("quarry_ink_cliff", 240, 620, 12, 1673u)};
    std::uint32_t seed = 1680;
    for (const terrain::Shape& s : stones)
        add(set, "Content/Level/" + s.name + ".png", terrain::drawPiece(s, terrain::Material::Ink, seed += 10));
}
