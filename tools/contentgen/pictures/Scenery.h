#pragma once

#include <cstdint>

#include "pictures/Canvas.h"

// Pieces of landscape shared by the level decorations, the menus and the splash card.
namespace scenery {

// An opaque sheet of paper with a faint tooth.
Canvas paper(int width, int height, std::uint32_t seed);

void tree(Canvas& c, Vec2 base, float scale, std::uint32_t seed);
void cloud(Canvas& c, Vec2 centre, float width, std::uint32_t seed);
void grassTuft(Canvas& c, Vec2 base, float width, float height, std::uint32_t seed);
void bush(Canvas& c, Vec2 base, float width, std::uint32_t seed);
void flower(Canvas& c, Vec2 base, float height, Paint petals, std::uint32_t seed);
void fern(Canvas& c, Vec2 base, float height, std::uint32_t seed);
// A rolling hill line from x0 to x1 around height y, washed below.
void hill(Canvas& c, float x0, float x1, float y, float amplitude, Paint wash, std::uint32_t seed);

}  // namespace scenery
