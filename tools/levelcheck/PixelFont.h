#pragma once

#include <string>

#include "platform/Image.h"

// Capital letters in 5x7 cells for the map's labels; letters without a glyph leave a gap.
class PixelFont {
public:
    static constexpr int kGlyphWidth = 5, kGlyphHeight = 7;

    // Width in pixels of the text drawn at `size` pixels per glyph dot.
    static int width(const std::string& text, int size);
    // Sets the text's pixels with its top-left corner at (x, y), clipped to the image.
    static void draw(Image& image, int x, int y, const std::string& text, int size, Color colour);
};
