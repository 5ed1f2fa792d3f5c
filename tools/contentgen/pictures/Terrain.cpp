#include <cmath>
#include <string>

#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
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

Shape thinWall() { return {"thin_wall", 16, 300, {{3, 4}, {13, 3}, {12, 150}, {13, 296}, {3, 297}, {4, 150}}}; }

}  // namespace

void addTerrain(PictureSet& set) {
    const std::vector<Shape> shapes = {ground(400), ground(800), ground(1600), slope(true), slope(false), steps(true),
                                       steps(false), overhang(true), overhang(false), wall(), ceiling(), ledge()};
    std::uint32_t seed = 1000;
    for (const Shape& s : shapes) {
        add(set, "Content/Level/pencil_" + s.name + ".png", drawPiece(s, Material::Pencil, seed += 50));
        add(set, "Content/Level/ink_" + s.name + ".png", drawPiece(s, Material::Ink, seed += 50));
    }
    add(set, "Content/Level/pencil_thin_wall.png", drawPiece(thinWall(), Material::Pencil, seed += 50));
}
