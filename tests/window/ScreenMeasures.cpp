#include "ScreenMeasures.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace screen {
namespace {
Region clipped(const Image& shot, Region r) {
    const int right = std::min(r.left + r.width, static_cast<int>(shot.width()));
    const int bottom = std::min(r.top + r.height, static_cast<int>(shot.height()));
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.width = std::max(right - r.left, 0);
    r.height = std::max(bottom - r.top, 0);
    return r;
}

int channelDistance(Color a, Color b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// Grey levels at half size: enough detail to follow a scene, a quarter of the work.
struct Grey {
    int width = 0, height = 0;
    std::vector<int> v;
    int at(int x, int y) const { return v[static_cast<size_t>(y) * width + x]; }
};

Grey grey(const Image& shot) {
    Grey g;
    g.width = static_cast<int>(shot.width() / 2);
    g.height = static_cast<int>(shot.height() / 2);
    g.v.resize(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const Color c = shot.pixel(static_cast<unsigned>(2 * x), static_cast<unsigned>(2 * y));
            g.v[static_cast<size_t>(y) * g.width + x] = (c.r * 3 + c.g * 6 + c.b) / 10;
        }
    return g;
}

// Mean difference of after(x, y) and before(x + sx, y + sy) where both exist.
double mismatch(const Grey& before, const Grey& after, int sx, int sy) {
    long long sum = 0, count = 0;
    for (int y = std::max(0, -sy); y < std::min(after.height, before.height - sy); ++y)
        for (int x = std::max(0, -sx); x < std::min(after.width, before.width - sx); ++x) {
            sum += std::abs(after.at(x, y) - before.at(x + sx, y + sy));
            ++count;
        }
    return count ? static_cast<double>(sum) / static_cast<double>(count) : std::numeric_limits<double>::max();
}

int bestShift(const Image& before, const Image& after, int reach, bool horizontal) {
    const Grey b = grey(before), a = grey(after);
    if (b.width != a.width || b.height != a.height || b.v.empty()) return 0;
    int best = 0;
    double bestError = mismatch(b, a, 0, 0);
    for (int s = -reach / 2; s <= reach / 2; ++s) {
        const double e = horizontal ? mismatch(b, a, s, 0) : mismatch(b, a, 0, s);
        if (e < bestError) {
            bestError = e;
            best = s;
        }
    }
    return horizontal ? 2 * best : -2 * best;
}
}  // namespace

Region whole(const Image& shot) {
    return Region{0, 0, static_cast<int>(shot.width()), static_cast<int>(shot.height())};
}

double changedFraction(const Image& a, const Image& b, Region region, int tolerance) {
    region = clipped(a, clipped(b, region));
    if (region.width == 0 || region.height == 0) return 0;
    long long changed = 0;
    for (int y = region.top; y < region.top + region.height; ++y)
        for (int x = region.left; x < region.left + region.width; ++x)
            if (channelDistance(a.pixel(x, y), b.pixel(x, y)) > tolerance) ++changed;
    return static_cast<double>(changed) / (static_cast<double>(region.width) * region.height);
}

int changedRowSpan(const Image& a, const Image& b, Region region, int tolerance, int minimum) {
    region = clipped(a, clipped(b, region));
    int first = -1, last = -1;
    for (int y = region.top; y < region.top + region.height; ++y) {
        int changed = 0;
        for (int x = region.left; x < region.left + region.width; ++x)
            if (channelDistance(a.pixel(x, y), b.pixel(x, y)) > tolerance) ++changed;
        if (changed < minimum) continue;
        if (first < 0) first = y;
        last = y;
    }
    return first < 0 ? 0 : last - first + 1;
}

double nonWhiteFraction(const Image& shot, Region region) {
    region = clipped(shot, region);
    if (region.width == 0 || region.height == 0) return 0;
    long long marked = 0;
    for (int y = region.top; y < region.top + region.height; ++y)
        for (int x = region.left; x < region.left + region.width; ++x)
            if (channelDistance(shot.pixel(x, y), Color{}) > 30) ++marked;
    return static_cast<double>(marked) / (static_cast<double>(region.width) * region.height);
}

double matchingFraction(const Image& shot, const Image& picture, Region region, int tolerance) {
    region = clipped(shot, region);
    if (region.width == 0 || region.height == 0 || picture.width() == 0) return 0;
    long long matching = 0;
    for (int y = region.top; y < region.top + region.height; ++y)
        for (int x = region.left; x < region.left + region.width; ++x) {
            // Sampled at the pixel's centre, as the window stretches a picture.
            const Color p = picture.pixel((2 * x + 1) * picture.width() / (2 * shot.width()),
                                          (2 * y + 1) * picture.height() / (2 * shot.height()));
            const auto overWhite = [&](int c) {
                return static_cast<std::uint8_t>((c * p.a + 255 * (255 - p.a)) / 255);
            };
            const Color expected{overWhite(p.r), overWhite(p.g), overWhite(p.b), 255};
            if (channelDistance(shot.pixel(x, y), expected) <= tolerance) ++matching;
        }
    return static_cast<double>(matching) / (static_cast<double>(region.width) * region.height);
}

int horizontalShift(const Image& before, const Image& after, int reach) {
    return bestShift(before, after, reach, true);
}

int verticalShift(const Image& before, const Image& after, int reach) { return bestShift(before, after, reach, false); }

Image shrunk(const Image& shot, unsigned width, unsigned height) {
    Image out;
    out.create(width, height);
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x) {
            const unsigned x0 = x * shot.width() / width, x1 = std::max(x0 + 1, (x + 1) * shot.width() / width);
            const unsigned y0 = y * shot.height() / height, y1 = std::max(y0 + 1, (y + 1) * shot.height() / height);
            unsigned r = 0, g = 0, b = 0, n = 0;
            for (unsigned sy = y0; sy < y1; ++sy)
                for (unsigned sx = x0; sx < x1; ++sx) {
                    const Color c = shot.pixel(sx, sy);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    ++n;
                }
            out.setPixel(x, y, Color{static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n),
                                     static_cast<std::uint8_t>(b / n), 255});
        }
    return out;
}
}  // namespace screen
