#include "menu/LetterSheet.h"

#include <algorithm>

namespace {
constexpr int kCell = 48, kColumns = 16, kFirst = 32;
constexpr int kGap = 3;         // between the ink of two letters
constexpr int kSpaceWidth = 12;  // a blank has no ink to measure
}  // namespace

LetterSheet::LetterSheet(const std::string& path) {
    sheet_.loadFromFile(path);
    sheet_.setSmooth(true);  // written smaller than drawn
    for (size_t i = 0; i < glyphs_.size(); ++i) {
        const unsigned left = static_cast<unsigned>(i % kColumns * kCell), top = static_cast<unsigned>(i / kColumns * kCell);
        if (left + kCell > sheet_.width() || top + kCell > sheet_.height()) continue;
        int first = kCell, last = -1;
        for (unsigned y = top; y < top + kCell; ++y)
            for (int x = 0; x < kCell; ++x)
                if (sheet_.alpha(left + static_cast<unsigned>(x), y) > 0) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        glyphs_[i] = last < 0 ? Glyph{0, kSpaceWidth} : Glyph{first, last - first + 1};
    }
}

const LetterSheet::Glyph& LetterSheet::glyph(char c) const {
    const int index = static_cast<unsigned char>(c) - kFirst;
    return index >= 0 && index < static_cast<int>(glyphs_.size()) ? glyphs_[static_cast<size_t>(index)]
                                                                   : glyphs_['?' - kFirst];
}

float LetterSheet::width(const std::string& text) const {
    float w = 0;
    for (char c : text) w += static_cast<float>(glyph(c).width + kGap);
    return w;
}

std::vector<Sprite> LetterSheet::layout(const std::string& text, float x, float y, float scale) const {
    std::vector<Sprite> sprites;
    if (sheet_.width() == 0) return sprites;
    float pen = x;
    for (char c : text) {
        const Glyph& g = glyph(c);
        const int index = &g - glyphs_.data();
        if (c != ' ') {
            Sprite s(&sheet_);
            s.rect = IntRect{index % kColumns * kCell + g.left, index / kColumns * kCell, g.width, kCell};
            s.setPosition(pen, y);
            s.scaleX = s.scaleY = scale;
            sprites.push_back(s);
        }
        pen += static_cast<float>(g.width + kGap) * scale;
    }
    return sprites;
}
