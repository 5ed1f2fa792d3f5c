#pragma once

#include <memory>
#include <string>

#include "pictures/Mask.h"

// Text set in a font file through FreeType, written into coverage masks.
class Lettering {
public:
    explicit Lettering(const std::string& fontPath);
    ~Lettering();
    Lettering(const Lettering&) = delete;
    Lettering& operator=(const Lettering&) = delete;

    bool ok() const;
    const std::string& fontPath() const { return path_; }
    // Advance width of the text at `size` pixels per em.
    float width(const std::string& text, float size) const;
    void write(Mask& mask, const std::string& text, Vec2 baselineLeft, float size) const;
    // Centred on `centre`, horizontally by advance and vertically by the capital height.
    void writeCentred(Mask& mask, const std::string& text, Vec2 centre, float size) const;

private:
    struct Face;
    std::string path_;
    std::unique_ptr<Face> face_;
};

// The hand-lettering font every picture uses; check ok() before drawing.
const Lettering& handLettering();
