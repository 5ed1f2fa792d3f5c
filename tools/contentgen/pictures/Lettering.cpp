#include "pictures/Lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

struct Lettering::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

Lettering::Lettering(const std::string& fontPath) : path_(fontPath), face_(std::make_unique<Face>()) {
    if (FT_Init_FreeType(&face_->library) != 0) {
        face_->library = nullptr;
        return;
    }
    if (FT_New_Face(face_->library, fontPath.c_str(), 0, &face_->face) != 0) face_->face = nullptr;
}

Lettering::~Lettering() {
    if (face_->face) FT_Done_Face(face_->face);
    if (face_->library) FT_Done_FreeType(face_->library);
}

bool Lettering::ok() const { return face_->face != nullptr; }

float Lettering::width(const std::string& text, float size) const {
    if (!ok()) return 0;
    FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(std::lround(size)));
    float w = 0;
    for (unsigned char ch : text) {
        if (FT_Load_Char(face_->face, ch, FT_LOAD_DEFAULT) != 0) continue;
        w += face_->face->glyph->advance.x / 64.0f;
    }
    return w;
}

void Lettering::write(Mask& mask, const std::string& text, Vec2 baselineLeft, float size) const {
    if (!ok()) return;
    FT_Face face = face_->face;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::lround(size)));
    float penX = baselineLeft.x;
    const int baseY = static_cast<int>(std::lround(baselineLeft.y));
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        const FT_Bitmap& bm = g->bitmap;
        const int left = static_cast<int>(std::lround(penX)) + g->bitmap_left;
        const int top = baseY - g->bitmap_top;
        for (unsigned row = 0; row < bm.rows; ++row)
            for (unsigned col = 0; col < bm.width; ++col) {
                const unsigned char v = bm.buffer[row * bm.pitch + col];
                if (v) mask.raise(left + static_cast<int>(col), top + static_cast<int>(row), v / 255.0f);
            }
        penX += g->advance.x / 64.0f;
    }
}

void Lettering::writeCentred(Mask& mask, const std::string& text, Vec2 centre, float size) const {
    const float w = width(text, size);
    write(mask, text, {centre.x - w / 2, centre.y + size * 0.36f}, size);
}

const Lettering& handLettering() {
    static const Lettering font("/usr/share/fonts/truetype/humor-sans/Humor-Sans.ttf");
    return font;
}
