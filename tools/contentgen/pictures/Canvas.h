#pragma once

#include <cstdint>
#include <vector>

#include "pictures/Mask.h"
#include "platform/Image.h"

// A colour (channels 0..255) and how strongly it is laid down (0..1).
struct Paint {
    float r = 0, g = 0, b = 0;
    float alpha = 1;
    Paint withAlpha(float a) const { return {r, g, b, a}; }
};

// Paper tooth: laid-down pigment thins where the noise is high, by up to `depth`.
struct Grain {
    float scale = 6;
    float depth = 0.3f;
    std::uint32_t seed = 1;
    float factor(int x, int y) const;
};

// A picture being drawn: premultiplied RGBA in floats, so layers composite without banding.
class Canvas {
public:
    Canvas(int width, int height);
    Canvas(int width, int height, Paint fill);
    static Canvas fromImage(const Image& image);

    int width() const { return width_; }
    int height() const { return height_; }

    // Lays `paint` through the mask's coverage, the mask's (0, 0) at (ox, oy).
    void paint(const Mask& mask, Paint paint, int ox = 0, int oy = 0);
    void paint(const Mask& mask, Paint paint, const Grain& grain, int ox = 0, int oy = 0);
    // Rubs out what lies under the mask.
    void erase(const Mask& mask, float strength = 1);
    // Pixels that `allowed` leaves uncovered keep at most `maxAlpha`: marks there stay see-only.
    void limitAlpha(const Mask& allowed, float maxAlpha);
    // Composites another canvas over this one with its top-left at (ox, oy).
    void draw(const Canvas& src, int ox, int oy, float opacity = 1);
    // Straight alpha at a pixel, 0..1.
    float alphaAt(int x, int y) const { return px_[(static_cast<size_t>(y) * width_ + x) * 4 + 3]; }
    // An averaged smaller copy, `factor` pixels to one.
    Canvas shrunk(int factor) const;

    // Alpha below 10 would be invisible yet solid terrain: such specks are dropped.
    Image toImage() const;

private:
    void blend(size_t i, Paint p, float cover);

    int width_, height_;
    std::vector<float> px_;
};
