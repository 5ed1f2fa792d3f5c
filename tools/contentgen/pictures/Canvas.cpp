#include "pictures/Canvas.h"

#include <algorithm>
#include <cmath>

#include "pictures/Noise.h"

float Grain::factor(int x, int y) const {
    const float n = 0.6f * noise::fractal(x, y, scale, seed, 3) + 0.4f * noise::hash(x, y, seed + 7u);
    return 1 - depth * n;
}

Canvas::Canvas(int width, int height) : width_(width), height_(height), px_(static_cast<size_t>(width) * height * 4, 0.0f) {}

Canvas::Canvas(int width, int height, Paint fill) : Canvas(width, height) {
    for (size_t i = 0; i < px_.size(); i += 4) blend(i, fill, 1);
}

Canvas Canvas::fromImage(const Image& image) {
    Canvas c(static_cast<int>(image.width()), static_cast<int>(image.height()));
    const size_t rowBytes = static_cast<size_t>(image.width()) * 4;
    for (unsigned y = 0; y < image.height(); ++y) {
        const std::uint8_t* p = image.row(y);
        float* out = &c.px_[y * rowBytes];
        for (size_t i = 0; i < rowBytes; i += 4) {
            const float a = p[i + 3] / 255.0f;
            out[i] = p[i] * a;
            out[i + 1] = p[i + 1] * a;
            out[i + 2] = p[i + 2] * a;
            out[i + 3] = a;
        }
    }
    return c;
}

void Canvas::blend(size_t i, Paint p, float cover) {
    const float a = std::clamp(p.alpha * cover, 0.0f, 1.0f);
    const float keep = 1 - a;
    px_[i] = p.r * a + px_[i] * keep;
    px_[i + 1] = p.g * a + px_[i + 1] * keep;
    px_[i + 2] = p.b * a + px_[i + 2] * keep;
    px_[i + 3] = a + px_[i + 3] * keep;
}

void Canvas::paint(const Mask& mask, Paint paint, int ox, int oy) {
    const IntBox b = mask.bounds();
    for (int y = std::max(b.top, -oy); y < b.bottom && y + oy < height_; ++y)
        for (int x = std::max(b.left, -ox); x < b.right && x + ox < width_; ++x) {
            const float c = mask.at(x, y);
            if (c > 0) blend((static_cast<size_t>(y + oy) * width_ + (x + ox)) * 4, paint, c);
        }
}

void Canvas::paint(const Mask& mask, Paint paint, const Grain& grain, int ox, int oy) {
    const IntBox b = mask.bounds();
    for (int y = std::max(b.top, -oy); y < b.bottom && y + oy < height_; ++y)
        for (int x = std::max(b.left, -ox); x < b.right && x + ox < width_; ++x) {
            const float c = mask.at(x, y);
            if (c > 0) blend((static_cast<size_t>(y + oy) * width_ + (x + ox)) * 4, paint, c * grain.factor(x + ox, y + oy));
        }
}

void Canvas::erase(const Mask& mask, float strength) {
    const IntBox b = mask.bounds();
    for (int y = b.top; y < std::min(height_, b.bottom); ++y)
        for (int x = b.left; x < std::min(width_, b.right); ++x) {
            const float keep = 1 - std::clamp(mask.at(x, y) * strength, 0.0f, 1.0f);
            float* p = &px_[(static_cast<size_t>(y) * width_ + x) * 4];
            for (int k = 0; k < 4; ++k) p[k] *= keep;
        }
}

void Canvas::limitAlpha(const Mask& allowed, float maxAlpha) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const bool inside = x < allowed.width() && y < allowed.height() && allowed.at(x, y) >= 0.5f;
            float* p = &px_[(static_cast<size_t>(y) * width_ + x) * 4];
            if (inside || p[3] <= maxAlpha) continue;
            const float scale = maxAlpha / p[3];
            for (int k = 0; k < 4; ++k) p[k] *= scale;
        }
}

void Canvas::draw(const Canvas& src, int ox, int oy, float opacity) {
    for (int y = std::max(0, -oy); y < src.height_ && y + oy < height_; ++y)
        for (int x = std::max(0, -ox); x < src.width_ && x + ox < width_; ++x) {
            const float* s = &src.px_[(static_cast<size_t>(y) * src.width_ + x) * 4];
            float* d = &px_[(static_cast<size_t>(y + oy) * width_ + (x + ox)) * 4];
            const float keep = 1 - s[3] * opacity;
            for (int k = 0; k < 4; ++k) d[k] = s[k] * opacity + d[k] * keep;
        }
}

Canvas Canvas::shrunk(int factor) const {
    Canvas out(std::max(1, width_ / factor), std::max(1, height_ / factor));
    const float norm = 1.0f / (factor * factor);
    for (int y = 0; y < out.height_; ++y)
        for (int x = 0; x < out.width_; ++x)
            for (int k = 0; k < 4; ++k) {
                float sum = 0;
                for (int j = 0; j < factor; ++j)
                    for (int i = 0; i < factor; ++i)
                        sum += px_[(static_cast<size_t>(y * factor + j) * width_ + (x * factor + i)) * 4 + k];
                out.px_[(static_cast<size_t>(y) * out.width_ + x) * 4 + k] = sum * norm;
            }
    return out;
}

Image Canvas::toImage() const {
    Image img;
    img.create(static_cast<unsigned>(width_), static_cast<unsigned>(height_));
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float* p = &px_[(static_cast<size_t>(y) * width_ + x) * 4];
            const int a = static_cast<int>(std::lround(std::clamp(p[3], 0.0f, 1.0f) * 255));
            if (a < 10) continue;  // stays (0, 0, 0, 0)
            auto channel = [&](float v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v / p[3]), 0L, 255L)); };
            img.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                         Color{channel(p[0]), channel(p[1]), channel(p[2]), static_cast<std::uint8_t>(a)});
        }
    return img;
}
