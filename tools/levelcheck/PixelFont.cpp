#include "PixelFont.h"

#include <array>

namespace {

struct Glyph {
    char letter;
    std::array<const char*, PixelFont::kGlyphHeight> rows;
};

// The letters the map's labels use.
constexpr Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
};

const Glyph* glyphOf(char letter) {
    for (const Glyph& g : kGlyphs)
        if (g.letter == letter) return &g;
    return nullptr;
}

// One blank dot between letters.
constexpr int kAdvance = PixelFont::kGlyphWidth + 1;

}  // namespace

int PixelFont::width(const std::string& text, int size) {
    return text.empty() ? 0 : (static_cast<int>(text.size()) * kAdvance - 1) * size;
}

void PixelFont::draw(Image& image, int x, int y, const std::string& text, int size, Color colour) {
    const int w = static_cast<int>(image.width()), h = static_cast<int>(image.height());
    for (size_t n = 0; n < text.size(); ++n) {
        const Glyph* glyph = glyphOf(text[n]);
        if (!glyph) continue;
        const int left = x + static_cast<int>(n) * kAdvance * size;
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int col = 0; col < kGlyphWidth; ++col) {
                if (glyph->rows[static_cast<size_t>(row)][col] != '#') continue;
                for (int dy = 0; dy < size; ++dy)
                    for (int dx = 0; dx < size; ++dx) {
                        const int px = left + col * size + dx, py = y + row * size + dy;
                        if (px >= 0 && py >= 0 && px < w && py < h)
                            image.setPixel(static_cast<unsigned>(px), static_cast<unsigned>(py), colour);
                    }
            }
    }
}
