#include <cmath>

#include "pictures/Backdrop.h"
#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"
#include "pictures/Strokes.h"
#include "pictures/TerrainPiece.h"

// Level 2, a fir forest with a keeper's hut: rows of firs fading into blue-green depth,
// a hut with a lit window, toadstools and fronds; and the pencil roots that hang from the
// ferry's ink roof and plug the mouths of the hill cave.
namespace {

using namespace strokes;

constexpr float kWidth = 2048;

// A fir of washed tiers on a pencil trunk, its base at `base`.
void fir(Canvas& c, Vec2 base, float height, Paint green, float lineAlpha, std::uint32_t seed) {
    const float w = height * 0.42f;
    pencil(c, {base, base + Vec2{0, -height}}, height * 0.03f, kGraphite.withAlpha(lineAlpha), seed);
    for (int i = 0; i < 5; ++i) {
        const float t = i / 4.0f;
        const float y = base.y - height * (1 - 0.18f * i) + height * 0.05f, half = w * (0.3f + 0.7f * t) * 0.5f;
        const Vec2 tip{base.x, y - height * 0.12f};
        const Path tier{tip, {base.x + half, y + height * 0.2f}, {base.x, y + height * 0.16f}, {base.x - half, y + height * 0.2f}};
        wash(c, tier, green, seed + 1 + i);
        pencil(c, {tier[3], tier[0], tier[1]}, 1.4f, kGraphite.withAlpha(lineAlpha), seed + 10 + i, false);
    }
}

Canvas forestBackdrop() {
    Canvas c(2048, 560);
    backdrop::band(c, [](float x) { return 420 + 20 * backdrop::periodic(x, kWidth, 901u); }, {150, 176, 170, 0.35f},
                   kLightGraphite.withAlpha(0.4f), 902u);
    const struct {
        int count;
        float height, ground;
        Paint green;
        float line;
    } rows[] = {{22, 260, 440, {150, 182, 176, 0.55f}, 0.35f}, {16, 340, 500, {104, 150, 118, 0.65f}, 0.55f},
                {11, 420, 560, {64, 112, 80, 0.7f}, 0.8f}};
    std::uint32_t seed = 910;
    for (const auto& row : rows) {
        for (int i = 0; i < row.count; ++i) {
            const float x = (i + 0.6f * noise::hash(i, 3, seed)) * kWidth / row.count;
            const float h = row.height * (0.75f + 0.35f * noise::hash(i, 4, seed));
            const std::uint32_t s = seed + 20u * i;
            backdrop::wrapped(c, x, h * 0.25f, [&](float cx) { fir(c, {cx, row.ground}, h, row.green, row.line, s); });
        }
        seed += 1000;
    }
    return c;
}

Canvas hut() {
    Canvas c(460, 380);
    const Paint logs{150, 104, 70, 0.85f}, roof{110, 70, 58, 0.85f};
    const Path walls{{60, 372}, {60, 190}, {400, 190}, {400, 372}};
    wash(c, walls, logs, 950);
    for (int i = 0; i < 9; ++i) {
        const float y = 200 + 20.0f * i;
        pencil(c, {{62, y}, {398, y + 2 * noise::wobble(i * 0.5f, 951u)}}, 1.5f, {90, 60, 40, 0.8f}, 952u + i, false);
    }
    pencil(c, {walls[0], walls[1], walls[2], walls[3], walls[0]}, 2.2f, kGraphite, 960);
    const Path roofShape{{20, 200}, {230, 60}, {440, 200}, {420, 214}, {230, 90}, {40, 214}};
    wash(c, roofShape, roof, 961);
    Mask roofMask(460, 380);
    roofMask.fill(roofShape);
    hatch(c, roofMask, 0.6f, 8, 1.3f, kGraphite.withAlpha(0.45f), 962);
    pencil(c, {roofShape[0], roofShape[1], roofShape[2]}, 2.6f, kGraphite, 963);
    const Path chimney{{300, 120}, {300, 40}, {336, 40}, {336, 146}};
    wash(c, chimney, {170, 120, 100, 0.9f}, 964);
    pencil(c, chimney, 2.0f, kGraphite, 965);
    for (int i = 0; i < 3; ++i)  // smoke
        pencil(c, curve({318.0f + 10 * i, 30.0f - 8 * i}, {350.0f + 14 * i, 10.0f - 8 * i}, {330.0f + 30 * i, -4.0f}, 10), 1.4f,
               kLightGraphite.withAlpha(0.6f), 966u + i, false);
    const Path door{{110, 372}, {110, 250}, {170, 250}, {170, 372}};
    wash(c, door, {90, 60, 44, 0.9f}, 970);
    pencil(c, door, 2.0f, kGraphite, 971);
    const Path window{{260, 300}, {260, 236}, {340, 236}, {340, 300}};
    softSpot(c, {300, 268}, 60, {255, 220, 120, 0.5f});
    wash(c, window, {250, 210, 110, 0.9f}, 972);
    pencil(c, {window[0], window[1], window[2], window[3], window[0]}, 2.2f, kGraphite, 973);
    pencil(c, {{300, 236}, {300, 300}}, 1.8f, kGraphite, 974, false);
    pencil(c, {{260, 268}, {340, 268}}, 1.8f, kGraphite, 975, false);
    return c;
}

Canvas toadstools() {
    Canvas c(150, 90);
    for (int i = 0; i < 3; ++i) {
        const float x = 30 + 44.0f * i, h = 30 + 18 * noise::hash(i, 0, 980u), r = 16 + 8 * noise::hash(i, 1, 980u);
        const Path stem{{x - 5, 88}, {x - 4, 88 - h}, {x + 4, 88 - h}, {x + 5, 88}};
        wash(c, stem, {240, 232, 214, 0.9f}, 981u + i);
        pencil(c, stem, 1.4f, kGraphite, 984u + i, false);
        Path cap = curve({x - r, 90 - h}, {x, 90 - h - 2.2f * r}, {x + r, 90 - h}, 14);
        wash(c, cap, {200, 60, 50, 0.9f}, 987u + i);
        pencil(c, cap, 1.6f, kGraphite, 990u + i, false);
        for (int k = 0; k < 3; ++k) softSpot(c, {x - r * 0.4f + r * 0.4f * k, 86 - h - r * (0.3f + 0.2f * (k % 2))}, 3, {255, 250, 240, 1});
    }
    return c;
}

Canvas fronds() {
    Canvas c(300, 170);
    scenery::fern(c, {80, 168}, 150, 995);
    scenery::fern(c, {200, 168}, 130, 996);
    return c;
}

// Roots hanging from a roof: the top is hidden in the ink it hangs from, the ragged tips
// come down to head height, well clear of a ferry's deck.
terrain::Shape rootCurtain() {
    Path outline{{2, 0}, {88, 0}, {86, 40}};
    for (int i = 8; i >= 0; --i) {
        const float x = 6 + 9.5f * i;
        outline.push_back({x + 4, 62 + 8 * noise::hash(i, 7, 1201u)});
        outline.push_back({x, 84 + 6 * noise::hash(i, 8, 1201u)});
    }
    outline.push_back({4, 40});
    return {"forest_root_curtain", 90, 92, outline};
}

// A knot of roots that stops up a cave mouth from the ground to its roof.
terrain::Shape rootPlug() {
    return {"forest_root_plug", 56, 120, {{6, 4}, {30, 2}, {52, 8}, {50, 60}, {54, 118}, {2, 118}, {8, 60}}};
}

}  // namespace

void addForestSetting(PictureSet& set) {
    add(set, "Content/Level/forest_backdrop.png", forestBackdrop());
    Canvas tall(300, 700);
    fir(tall, {150, 696}, 680, {70, 118, 84, 0.8f}, 0.9f, 1100);
    add(set, "Content/Level/forest_fir.png", tall);
    add(set, "Content/Level/forest_hut.png", hut());
    add(set, "Content/Level/forest_toadstools.png", toadstools());
    add(set, "Content/Level/forest_fronds.png", fronds());
    std::uint32_t seed = 1210;
    for (const terrain::Shape& s : {rootCurtain(), rootPlug()})
        add(set, "Content/Level/" + s.name + ".png", terrain::drawPiece(s, terrain::Material::Pencil, seed += 50));
}
