#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "platform/Sprite.h"

// Writes short lines in the game's hand lettering, from the sheet contentgen draws: each
// printable ASCII character in a 48 x 48 cell, 16 to a row. The ink in a cell sets the
// character's width; anything the sheet lacks is written as '?'. Without the sheet nothing
// is written.
class LetterSheet {
public:
    explicit LetterSheet(const std::string& path = "Content\\Menu\\letters.png");

    // Width of `text` at scale 1.
    float width(const std::string& text) const;
    // One sprite per visible character, the line's top-left corner at (x, y).
    std::vector<Sprite> layout(const std::string& text, float x, float y, float scale) const;

private:
    struct Glyph {
        int left = 0, width = 0;  // the ink's columns within the cell
    };
    const Glyph& glyph(char c) const;

    Image sheet_;
    std::array<Glyph, 95> glyphs_{};
};
