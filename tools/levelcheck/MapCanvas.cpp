#include "MapCanvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "PixelFont.h"

namespace {

constexpr int kLabelSize = 2, kLabelPadding = 2;

// The picture pixels that fall on one map pixel: premultiplied colour, alpha, and how many.
struct Sum {
    float r = 0, g = 0, b = 0, a = 0;
    int count = 0;
};

std::uint8_t channel(float value) { return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

}  // namespace

MapCanvas::MapCanvas(const MapView& view, unsigned width, unsigned height) : view_(view) {
    image_.create(width, height, Color{255, 255, 255, 255});
}

void MapCanvas::composite(const Image& picture, const IntRect& source, double worldX, double worldY) {
    if (source.empty()) return;

    std::vector<int> columns(static_cast<size_t>(source.width));
    for (int i = 0; i < source.width; ++i) columns[static_cast<size_t>(i)] = view_.toMapX(worldX + i);
    const int left = columns.front();
    std::vector<Sum> row(static_cast<size_t>(columns.back() - left + 1));
    const float coverage = static_cast<float>(view_.scale * view_.scale);
    const int mapWidth = static_cast<int>(image_.width()), mapHeight = static_cast<int>(image_.height());

    const auto flush = [&](int mapY) {
        for (size_t c = 0; c < row.size(); ++c) {
            Sum& s = row[c];
            const int mapX = left + static_cast<int>(c);
            if (s.count > 0 && mapX >= 0 && mapX < mapWidth && mapY >= 0 && mapY < mapHeight) {
                const float share = std::min(1.0f, static_cast<float>(s.count) * coverage) / static_cast<float>(s.count);
                const float keep = 1.0f - s.a * share;
                const Color under = image_.pixel(static_cast<unsigned>(mapX), static_cast<unsigned>(mapY));
                image_.setPixel(static_cast<unsigned>(mapX), static_cast<unsigned>(mapY),
                                Color{channel(s.r * share + under.r * keep), channel(s.g * share + under.g * keep),
                                      channel(s.b * share + under.b * keep), 255});
            }
            s = Sum{};
        }
    };

    // The map reads what the game only draws.
    picture.holdPixels();
    int mapY = view_.toMapY(worldY);
    for (int k = 0; k < source.height; ++k) {
        const int y = view_.toMapY(worldY + k);
        if (y != mapY) {
            flush(mapY);
            mapY = y;
        }
        for (int i = 0; i < source.width; ++i) {
            const Color c = picture.pixel(static_cast<unsigned>(source.left + i), static_cast<unsigned>(source.top + k));
            Sum& s = row[static_cast<size_t>(columns[static_cast<size_t>(i)] - left)];
            const float a = static_cast<float>(c.a) / 255.0f;
            s.r += static_cast<float>(c.r) * a;
            s.g += static_cast<float>(c.g) * a;
            s.b += static_cast<float>(c.b) * a;
            s.a += a;
            ++s.count;
        }
    }
    flush(mapY);
}

void MapCanvas::outline(double worldX, double worldY, double worldWidth, double worldHeight, int thickness,
                        Color colour) {
    const int left = view_.toMapX(worldX), top = view_.toMapY(worldY);
    const int right = std::max(left + 1, view_.toMapX(worldX + worldWidth));
    const int bottom = std::max(top + 1, view_.toMapY(worldY + worldHeight));
    fill(left, top, right, std::min(bottom, top + thickness), colour);
    fill(left, std::max(top, bottom - thickness), right, bottom, colour);
    fill(left, top, std::min(right, left + thickness), bottom, colour);
    fill(std::max(left, right - thickness), top, right, bottom, colour);
}

void MapCanvas::label(double worldX, double worldY, double belowWorldY, const std::string& text, Color colour) {
    const int width = PixelFont::width(text, kLabelSize) + 2 * kLabelPadding;
    const int height = PixelFont::kGlyphHeight * kLabelSize + 2 * kLabelPadding;
    const int left = view_.toMapX(worldX);
    int top = view_.toMapY(worldY) - height - 1;
    if (top < 0) top = view_.toMapY(belowWorldY) + 1;
    fill(left, top, left + width, top + height, Color{255, 255, 255, 255});
    PixelFont::draw(image_, left + kLabelPadding, top + kLabelPadding, text, kLabelSize, colour);
}

void MapCanvas::fill(int left, int top, int right, int bottom, Color colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, static_cast<int>(image_.width()));
    bottom = std::min(bottom, static_cast<int>(image_.height()));
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) image_.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), colour);
}
