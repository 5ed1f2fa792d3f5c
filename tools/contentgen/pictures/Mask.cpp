#include "pictures/Mask.h"

#include <algorithm>
#include <cmath>

Mask::Mask(int width, int height) : width_(width), height_(height), cover_(static_cast<size_t>(width) * height, 0.0f) {}

void Mask::raise(int x, int y, float c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    if (c <= 0) return;
    float& v = cover_[static_cast<size_t>(y) * width_ + x];
    v = std::max(v, std::min(c, 1.0f));
    if (bounds_.empty()) {
        bounds_ = {x, y, x + 1, y + 1};
    } else {
        bounds_ = {std::min(bounds_.left, x), std::min(bounds_.top, y), std::max(bounds_.right, x + 1), std::max(bounds_.bottom, y + 1)};
    }
}

void Mask::capsule(Vec2 a, Vec2 b, float ra, float rb) {
    const float rmax = std::max(ra, rb) + 1;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - rmax)));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + rmax)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - rmax)));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + rmax)));
    const Vec2 ab = b - a;
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const Vec2 p{x + 0.5f, y + 0.5f};
            const Vec2 ap = p - a;
            const float t = len2 > 0 ? std::clamp((ap.x * ab.x + ap.y * ab.y) / len2, 0.0f, 1.0f) : 0.0f;
            const float d = (ap - ab * t).length();
            const float r = ra + (rb - ra) * t;
            // Thin lines keep their darkness as a fraction instead of vanishing.
            const float c = r < 0.5f ? std::clamp(r * 2 - d + 0.5f, 0.0f, 1.0f) * r * 2 : std::clamp(r - d + 0.5f, 0.0f, 1.0f);
            if (c > 0) raise(x, y, c);
        }
    }
}

void Mask::stroke(const Path& points, const std::vector<float>& radii) {
    if (points.empty() || radii.empty()) return;
    auto radius = [&](size_t i) { return radii[std::min(i, radii.size() - 1)]; };
    if (points.size() == 1) capsule(points[0], points[0], radius(0), radius(0));
    for (size_t i = 1; i < points.size(); ++i) capsule(points[i - 1], points[i], radius(i - 1), radius(i));
}

void Mask::stroke(const Path& points, float radius) { stroke(points, std::vector<float>{radius}); }

void Mask::fill(const Path& outline) {
    if (outline.size() < 3) return;
    float minX = outline[0].x, maxX = minX, minY = outline[0].y, maxY = minY;
    for (const Vec2& p : outline) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(maxX)) + 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(height_, static_cast<int>(std::ceil(maxY)) + 1);
    if (x0 >= x1 || y0 >= y1) return;
    constexpr int kRows = 8;  // sub-scanlines per pixel row; spans are exact horizontally
    std::vector<float> acc(static_cast<size_t>(x1 - x0) + 1);
    std::vector<float> xs;
    for (int y = y0; y < y1; ++y) {
        std::fill(acc.begin(), acc.end(), 0.0f);
        for (int s = 0; s < kRows; ++s) {
            const float sy = y + (s + 0.5f) / kRows;
            xs.clear();
            for (size_t i = 0; i < outline.size(); ++i) {
                const Vec2 a = outline[i], b = outline[(i + 1) % outline.size()];
                if ((a.y <= sy) != (b.y <= sy)) xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                const float l = std::clamp(xs[i], static_cast<float>(x0), static_cast<float>(x1));
                const float r = std::clamp(xs[i + 1], static_cast<float>(x0), static_cast<float>(x1));
                if (r <= l) continue;
                const int il = static_cast<int>(l), ir = static_cast<int>(r);
                if (il == ir) {
                    acc[il - x0] += (r - l) / kRows;
                    continue;
                }
                acc[il - x0] += (il + 1 - l) / kRows;
                for (int x = il + 1; x < ir; ++x) acc[x - x0] += 1.0f / kRows;
                if (ir < x1) acc[ir - x0] += (r - ir) / kRows;
            }
        }
        for (int x = x0; x < x1; ++x)
            if (acc[x - x0] > 0) raise(x, y, acc[x - x0]);
    }
}

void Mask::ellipse(Vec2 centre, float rx, float ry) { fill(ellipsePath(centre, rx, ry, 64)); }

void Mask::clip(const Mask& other) {
    for (int y = bounds_.top; y < bounds_.bottom; ++y)
        for (int x = bounds_.left; x < bounds_.right; ++x)
            cover_[static_cast<size_t>(y) * width_ + x] *= (x < other.width_ && y < other.height_) ? other.at(x, y) : 0.0f;
}
