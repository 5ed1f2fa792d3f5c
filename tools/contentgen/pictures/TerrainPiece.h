#pragma once

#include <cstdint>
#include <string>

#include "pictures/Canvas.h"

// Terrain pieces: pencil ones are soft graphite the boomerang rubs out, ink ones crisp
// black. Everything that can be stood on is opaque enough to be solid (alpha above 100);
// the shading around a piece stays faint so nobody stands on it.
namespace terrain {

enum class Material { Pencil, Ink };

struct Shape {
    std::string name;
    int width, height;
    Path outline;  // closed, the solid body
};

Canvas drawPiece(const Shape& s, Material m, std::uint32_t seed);

// A gently uneven horizontal line from x0 to x1 at height y.
Path groundLine(float x0, float x1, float y, std::uint32_t seed);
// The line closed into a body down to `bottom`.
Path closedBelow(Path top, float bottom);

}  // namespace terrain
