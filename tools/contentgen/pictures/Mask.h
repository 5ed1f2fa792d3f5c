#pragma once

#include <vector>

#include "pictures/Geometry.h"

struct IntBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool empty() const { return right <= left || bottom <= top; }
};

// Anti-aliased coverage (0..1) of shapes on a pixel grid. Shapes are combined by taking
// the larger coverage, so overlapping parts of one stroke are not painted twice.
class Mask {
public:
    Mask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    float at(int x, int y) const { return cover_[static_cast<size_t>(y) * width_ + x]; }
    void raise(int x, int y, float c);
    // The smallest rectangle holding every covered pixel (empty when nothing is).
    IntBox bounds() const { return bounds_; }

    // A segment with round ends whose radius goes from ra at a to rb at b.
    void capsule(Vec2 a, Vec2 b, float ra, float rb);
    // A line through the points with a radius per point (the last one repeats).
    void stroke(const Path& points, const std::vector<float>& radii);
    void stroke(const Path& points, float radius);
    // The inside of a closed outline (even-odd rule).
    void fill(const Path& outline);
    void ellipse(Vec2 centre, float rx, float ry);
    // Keeps only what `other` also covers (coverages multiply).
    void clip(const Mask& other);

private:
    int width_, height_;
    std::vector<float> cover_;
    IntBox bounds_;
};
