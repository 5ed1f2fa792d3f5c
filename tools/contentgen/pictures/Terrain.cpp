#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"
#include "pictures/TerrainPiece.h"

// The plain terrain pieces: level ground, stairs, walls and shelves.
namespace {

using namespace terrain;

Shape ground(int length) {
    const float w = static_cast<float>(length);
    return {"ground_" + std::to_string(length), length, 160, closedBelow(groundLine(0, w, 16, 40u + length), 158)};
}

Shape slope(bool up) {
    Path top;
    for (int i = 0; i <= 40; ++i) {
        const float t = i / 40.0f;
        const float eased = t * t * (3 - 2 * t);  // flattens into level ground at both ends
        top.push_back({400 * t, 220 - 200 * eased + 2 * noise::wobble(t * 5, 7u)});
    }
    Path outline = closedBelow(top, 298);
    if (!up) outline = mirroredX(outline, 400);
    return {up ? "slope_up" : "slope_down", 400, 300, outline};
}

Shape steps(bool up) {
    Path outline;
    const float tread = 120, rise = 40;
    for (int i = 0; i < 3; ++i) {
        const float y = 12 + (2 - i) * rise;
        outline.push_back({i * tread, y});
        outline.push_back({(i + 1) * tread - 2, y + 1});
    }
    outline.push_back({360, 208});
    outline.push_back({0, 208});
    if (!up) outline = mirroredX(outline, 360);
    return {up ? "steps_up" : "steps_down", 360, 210, outline};
}

Shape overhang(bool right) {
    Path outline = groundLine(0, 400, 14, 91u);
    outline.push_back({398, 62});
    for (float x = 390; x > 140; x -= 25) outline.push_back({x, 74 + 8 * noise::wobble(x / 60, 92u) + (390 - x) * 0.03f});
    outline.push_back({128, 110});
    outline.push_back({122, 200});
    outline.push_back({130, 296});
    outline.push_back({0, 296});
    if (!right) outline = mirroredX(outline, 400);
    return {right ? "overhang_right" : "overhang_left", 400, 300, outline};
}

Shape wall() {
    Path outline = groundLine(0, 80, 10, 93u);
    outline.push_back({78, 200});
    outline.push_back({79, 398});
    outline.push_back({1, 398});
    outline.push_back({2, 200});
    return {"wall", 80, 400, outline};
}

Shape ceiling() {
    Path outline{{0, 2}, {600, 2}};
    for (float x = 600; x >= 0; x -= 12) outline.push_back({x, 78 + 6 * noise::wobble(x / 70, 94u)});
    return {"ceiling", 600, 100, outline};
}

Shape ledge() {
    Path outline = groundLine(2, 258, 12, 95u);
    outline.push_back({250, 40});
    outline.push_back({190, 62});
    outline.push_back({120, 68});
    outline.push_back({60, 60});
    outline.push_back({10, 38});
    return {"ledge", 260, 70, outline};
}

// A thin pencil wall drawn as a hand shades a narrow strip: a zigzag scribble between ragged,
// broken edges that overshoot at the ends. Drawn as a filled piece with two firm edges it read
// as a round pole.
Canvas pencilThinWall(std::uint32_t seed) {
    constexpr int w = 16, h = 300;
    Canvas c(w, h);
    Path left, right;
    for (int y = 3; y <= 297; y += 6) {
        const float fy = static_cast<float>(y);
        left.push_back({3.5f + 1.3f * noise::wobble(fy / 21, seed), fy});
        right.push_back({12.5f + 1.3f * noise::wobble(fy / 17, seed + 1), fy});
    }
    Path body = left;
    body.insert(body.end(), right.rbegin(), right.rend());
    Mask bodyMask(w, h);
    bodyMask.fill(body);
    Mask dust(w, h);  // graphite smudged off the strip, too faint to stand on
    dust.stroke(left, 2.5f);
    dust.stroke(right, 2.5f);
    c.paint(dust, strokes::kLightGraphite.withAlpha(0.18f), Grain{3, 0.6f, seed + 10});
    c.paint(bodyMask, {156, 156, 166, 0.62f}, Grain{4, 0.2f, seed + 2});

    Path zigzag;
    for (float y = 5; y < 294; y += 4.5f) {
        zigzag.push_back({3.0f, y + 1.5f * noise::wobble(y / 13, seed + 3)});
        zigzag.push_back({13.0f, y + 2.2f + 1.5f * noise::wobble(y / 11, seed + 4)});
    }
    Mask scribble(w, h);
    scribble.stroke(zigzag, 0.55f);
    scribble.clip(bodyMask);
    c.paint(scribble, strokes::kGraphite.withAlpha(0.55f));
    Mask across(w, h);  // a lighter second pass the other way
    for (float y = 9; y < 294; y += 9) across.capsule({3.5f, y + 3}, {12.5f, y - 2}, 0.45f, 0.45f);
    across.clip(bodyMask);
    c.paint(across, strokes::kGraphite.withAlpha(0.3f));

    // Each edge in loose strokes that stop short of one another or overlap a little.
    for (int side = 0; side < 2; ++side) {
        const Path& edge = side == 0 ? left : right;
        for (size_t i = 0; i + 1 < edge.size(); i += 7) {
            const size_t end = std::min(edge.size() - 1, i + 7 + (noise::hash(static_cast<int>(i), side, seed + 5) > 0.5f ? 1 : 0));
            const Path stroke(edge.begin() + static_cast<std::ptrdiff_t>(i), edge.begin() + static_cast<std::ptrdiff_t>(end) + 1);
            strokes::pencil(c, stroke, 1.5f, strokes::kGraphite.withAlpha(0.75f), seed + 6 + static_cast<std::uint32_t>(i) * 2 + side);
        }
    }
    // The pencil's tip lifted off past the ends.
    strokes::pencil(c, {{2, 7}, {8, 1}, {15, 6}}, 1.2f, strokes::kGraphite.withAlpha(0.6f), seed + 8, false);
    strokes::pencil(c, {{1, 292}, {8, 299}, {14, 293}}, 1.2f, strokes::kGraphite.withAlpha(0.6f), seed + 9, false);
    Mask allowed(w, h);
    allowed.fill(body);
    allowed.stroke(left, 1.2f);
    allowed.stroke(right, 1.2f);
    c.limitAlpha(allowed, 99.0f / 255.0f);
    return c;
}

}  // namespace

void addTerrain(PictureSet& set) {
    const std::vector<Shape> shapes = {ground(400), ground(800), ground(1600), slope(true), slope(false), steps(true),
                                       steps(false), overhang(true), overhang(false), wall(), ceiling(), ledge()};
    std::uint32_t seed = 1000;
    for (const Shape& s : shapes) {
        add(set, "Content/Level/pencil_" + s.name + ".png", drawPiece(s, Material::Pencil, seed += 50));
        add(set, "Content/Level/ink_" + s.name + ".png", drawPiece(s, Material::Ink, seed += 50));
    }
    add(set, "Content/Level/pencil_thin_wall.png", pencilThinWall(seed += 50));
}
