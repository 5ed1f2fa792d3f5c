#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/TerrainPiece.h"

// Drawn landforms: hills, cliffs, terraces, arches and loose rocks, in both materials.
// Pieces that carry the level ground have their ends 144 pixels above their bottom edge,
// as the ground pieces do, so they join them when their bottom rests at the same height.
// The arch and the cave stand on ground pieces instead.
namespace {

using namespace terrain;

// A line through the corners: each stretch eases in and out in height, so two stretches
// join without a kink, and gets a little hand-drawn roughness where it is not upright.
Path eased(const std::vector<Vec2>& corners, std::uint32_t seed) {
    Path p{corners.front()};
    for (size_t i = 1; i < corners.size(); ++i) {
        const Vec2 a = corners[i - 1], b = corners[i];
        const float run = std::abs(b.x - a.x);
        const int n = std::max(2, static_cast<int>(std::max(run, std::abs(b.y - a.y)) / 8));
        for (int k = 1; k <= n; ++k) {
            const float t = static_cast<float>(k) / n, e = t * t * (3 - 2 * t);
            const float rough = run > 40 && k < n ? 3 * noise::wobble((a.x + (b.x - a.x) * t) / 50, seed) : 0;
            p.push_back({lerp(a.x, b.x, t), lerp(a.y, b.y, e) + rough});
        }
    }
    return p;
}

Shape carrying(const std::string& name, int w, int h, const std::vector<Vec2>& top, std::uint32_t seed) {
    return {name, w, h, closedBelow(eased(top, seed), h - 2.0f)};
}

// A hump that is walked over from either side.
Shape knoll() {
    return carrying("knoll", 1000, 360, {{0, 216}, {140, 212}, {330, 110}, {470, 68}, {560, 78}, {700, 150}, {860, 212}, {1000, 216}},
                    301u);
}

// A steep but walkable ridge.
Shape ridge() {
    return carrying("ridge", 700, 400, {{0, 256}, {120, 250}, {300, 70}, {360, 56}, {420, 72}, {580, 246}, {700, 256}}, 302u);
}

// A long climb that ends in an overhanging cliff too high to jump: walked up from the
// left, dropped off to the right; the other way round it is a wall.
Shape bluff(bool right) {
    Shape s = carrying("", 900, 420,
                       {{0, 276}, {120, 270}, {420, 96}, {640, 80}, {700, 84}, {744, 98}, {738, 134}, {712, 190}, {706, 272},
                        {900, 276}},
                       303u);
    s.name = right ? "bluff_right" : "bluff_left";
    if (!right) s.outline = mirroredX(s.outline, 900);
    return s;
}

// Two faces too steep to walk, each a jump high, with a terrace between, then a long
// walkable fall on the far side.
Shape scarp(bool right) {
    Shape s = carrying("", 820, 520,
                       {{0, 376}, {180, 372}, {186, 300}, {194, 248}, {300, 238}, {404, 244}, {410, 180}, {418, 114}, {480, 104},
                        {560, 106}, {820, 376}},
                       304u);
    s.name = right ? "scarp_up" : "scarp_down";
    if (!right) s.outline = mirroredX(s.outline, 820);
    return s;
}

// A body with a hollow beneath: `top` from left to right, then the underside back from
// right to left.
Shape vault(const std::string& name, int w, int h, const std::vector<Vec2>& top, const std::vector<Vec2>& under,
            std::uint32_t seed) {
    Path outline = eased(top, seed);
    const Path inner = eased(under, seed + 1);
    outline.insert(outline.end(), inner.begin(), inner.end());
    return {name, w, h, outline};
}

// A natural bridge with its feet a step high: walked over; in pencil, rubbing a foot away
// opens the hollow beneath.
Shape arch() {
    return vault("arch", 1000, 330,
                 {{0, 318}, {60, 316}, {280, 112}, {420, 62}, {580, 64}, {720, 112}, {940, 316}, {1000, 318}, {1000, 328}},
                 {{780, 328}, {744, 236}, {620, 160}, {500, 150}, {380, 162}, {258, 236}, {220, 328}, {0, 328}}, 305u);
}

// A long hill with a cave through it, its roof hung with knobs: walked through, or
// jumped onto at either end where the roof is a thin lip.
Shape cave() {
    return vault("cave", 1200, 300,
                 {{0, 262}, {60, 250}, {260, 150}, {420, 70}, {640, 40}, {860, 80}, {980, 180}, {1140, 250}, {1200, 262},
                  {1200, 290}},
                 {{1140, 292}, {1000, 280}, {820, 262}, {740, 274}, {640, 258}, {520, 270}, {420, 260}, {300, 272}, {150, 290},
                  {0, 290}},
                 306u);
}

// Loose rocks with lumpy tops and ragged undersides: stepping stones, shelves, roofs.
Shape rock(bool wide) {
    if (!wide)
        return {"rock_small", 220, 100, eased({{1, 30}, {40, 18}, {90, 12}, {150, 22}, {219, 32}, {219, 50}, {200, 62}, {150, 92}, {104, 80}, {60, 96}, {16, 62}, {1, 52}, {1, 30}},
                       307u)};
    return {"rock_wide", 440, 140,
            eased({{1, 44}, {80, 24}, {200, 14}, {300, 32}, {439, 48}, {439, 70}, {410, 96}, {330, 120}, {250, 108}, {160, 134}, {60, 110}, {1, 72},
                   {1, 44}},
                  308u)};
}

}  // namespace

void addLandforms(PictureSet& set) {
    const std::vector<Shape> shapes = {knoll(),       ridge(),      bluff(true), bluff(false), scarp(true), scarp(false),
                                       arch(),        cave(),       rock(false), rock(true)};
    std::uint32_t seed = 3000;
    for (const Shape& s : shapes) {
        add(set, "Content/Level/pencil_" + s.name + ".png", drawPiece(s, Material::Pencil, seed += 50));
        add(set, "Content/Level/ink_" + s.name + ".png", drawPiece(s, Material::Ink, seed += 50));
    }
}
