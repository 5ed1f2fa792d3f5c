#include "pictures/Scenery.h"

#include <cmath>

#include "pictures/Noise.h"
#include "pictures/Strokes.h"

namespace scenery {

using namespace strokes;

namespace {

// A lumpy round blob: an ellipse whose radius breathes with noise.
Path blob(Vec2 centre, float rx, float ry, std::uint32_t seed) {
    Path p;
    for (int i = 0; i < 40; ++i) {
        const float a = 2 * kPi * i / 40;
        const float r = 1 + 0.12f * noise::wobble(i * 0.35f, seed);
        p.push_back({centre.x + rx * r * std::cos(a), centre.y + ry * r * std::sin(a)});
    }
    return p;
}

}  // namespace

Canvas paper(int width, int height, std::uint32_t seed) {
    Canvas c(width, height, kPaper);
    Mask tooth(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) tooth.raise(x, y, 0.5f * noise::fractal(x, y, 40, seed, 2) + 0.5f * noise::hash(x, y, seed + 1));
    c.paint(tooth, {200, 190, 170, 0.09f});
    return c;
}

void tree(Canvas& c, Vec2 base, float s, std::uint32_t seed) {
    const Path trunk{base + Vec2{-16 * s, 0}, base + Vec2{-8 * s, -120 * s}, base + Vec2{-6 * s, -230 * s},
                     base + Vec2{6 * s, -230 * s}, base + Vec2{9 * s, -120 * s}, base + Vec2{18 * s, 0}};
    wash(c, trunk, {150, 110, 80, 0.9f}, seed);
    pencil(c, {trunk[0], trunk[1], trunk[2]}, 2.4f * s, kGraphite, seed + 1);
    pencil(c, {trunk[3], trunk[4], trunk[5]}, 2.4f * s, kGraphite, seed + 2);
    for (int i = 0; i < 4; ++i) {
        const float y = -140 * s - 30 * s * i;
        const float side = i % 2 ? 1.0f : -1.0f;
        pencil(c, curve(base + Vec2{0, y}, base + Vec2{side * 40 * s, y - 20 * s}, base + Vec2{side * 80 * s, y - 60 * s}, 10),
               2.0f * s, kGraphite, seed + 3 + i);
    }
    const Vec2 crown = base + Vec2{0, -280 * s};
    const Paint greens[3] = {{96, 150, 84, 0.8f}, {128, 176, 96, 0.75f}, {80, 132, 78, 0.7f}};
    for (int i = 0; i < 7; ++i) {
        const float a = 2 * kPi * i / 7;
        const Vec2 p = crown + Vec2{std::cos(a) * 95 * s, std::sin(a) * 55 * s};
        wash(c, blob(p, 70 * s, 55 * s, seed + 10 + i), greens[i % 3], seed + 20 + i);
    }
    wash(c, blob(crown, 90 * s, 70 * s, seed + 30), greens[1], seed + 31);
    for (int i = 0; i < 9; ++i) {
        const float a = 2 * kPi * i / 9 + 0.3f;
        const Vec2 p = crown + Vec2{std::cos(a) * 120 * s, std::sin(a) * 70 * s};
        pencil(c, curve(p + downAngle(a + 1.2f) * 30 * s, p + downAngle(a + 2.0f) * 25 * s, p + downAngle(a + 3.3f) * 30 * s, 12),
               1.6f * s, kGraphite.withAlpha(0.6f), seed + 40 + i);
    }
}

void cloud(Canvas& c, Vec2 centre, float width, std::uint32_t seed) {
    // Overlapping puffs, tallest in the middle, on a flat-ish underside; the pencil follows
    // the top of the whole.
    Mask body(c.width(), c.height());
    for (int i = 0; i < 7; ++i) {
        const float u = (i + 0.5f) / 7, dome = std::sin(kPi * u);
        const float r = width * (0.07f + 0.06f * dome) * (0.9f + 0.2f * noise::hash(i, 5, seed));
        body.fill(blob({centre.x + (u - 0.5f) * width * 0.8f, centre.y - width * 0.07f * dome}, r, r * 0.9f, seed + i));
    }
    body.fill({{centre.x - width * 0.42f, centre.y - width * 0.04f}, {centre.x + width * 0.42f, centre.y - width * 0.04f},
               {centre.x + width * 0.38f, centre.y + width * 0.06f}, {centre.x - width * 0.38f, centre.y + width * 0.06f}});
    const float bottom = centre.y + width * 0.06f;
    Mask above(c.width(), c.height());  // nothing hangs below the underside
    above.fill({{0, 0}, {static_cast<float>(c.width()), 0}, {static_cast<float>(c.width()), bottom}, {0, bottom}});
    body.clip(above);
    c.paint(body, {200, 216, 234, 0.75f}, Grain{18, 0.4f, seed});
    Path top;
    const IntBox box = body.bounds();
    for (int x = box.left; x < box.right; x += 3) {
        int y = box.top;
        while (y < box.bottom && body.at(x, y) < 0.5f) ++y;
        if (y < bottom - 2) top.push_back({static_cast<float>(x), static_cast<float>(y)});
    }
    pencil(c, top, 1.6f, kLightGraphite, seed + 20);
    pencil(c, {{centre.x - width * 0.36f, bottom - 1}, {centre.x + width * 0.36f, bottom - 1}}, 1.2f, kLightGraphite.withAlpha(0.5f),
           seed + 40, false);
}

void grassTuft(Canvas& c, Vec2 base, float width, float height, std::uint32_t seed) {
    const int blades = std::max(4, static_cast<int>(width / 5));
    for (int i = 0; i < blades; ++i) {
        const float u = (i + 0.5f) / blades;
        const Vec2 root = base + Vec2{(u - 0.5f) * width, 0};
        const float h = height * (0.5f + 0.5f * noise::hash(i, 2, seed)) * (1 - 0.6f * std::abs(u - 0.5f));
        const float lean = (u - 0.5f) * 0.9f + 0.3f * noise::wobble(i * 0.8f, seed);
        const Vec2 tip = root + Vec2{std::sin(lean) * h, -std::cos(lean) * h};
        Mask m(c.width(), c.height());
        m.stroke(curve(root, root + Vec2{0, -h * 0.5f}, tip, 8), {1.8f, 1.7f, 1.5f, 1.3f, 1.1f, 0.9f, 0.7f, 0.5f, 0.35f});
        const Paint green = i % 3 ? Paint{92, 140, 76, 0.9f} : Paint{70, 110, 64, 0.9f};
        c.paint(m, green, Grain{3, 0.3f, seed + i});
    }
    pencil(c, {base + Vec2{-width * 0.55f, 0}, base + Vec2{width * 0.55f, 0}}, 1.4f, kGraphite.withAlpha(0.6f), seed + 99, false);
}

void bush(Canvas& c, Vec2 base, float width, std::uint32_t seed) {
    const float h = width * 0.5f;
    for (int i = 0; i < 4; ++i) {
        const Vec2 p = base + Vec2{(i - 1.5f) * width * 0.22f, -h * (0.45f + 0.15f * (i % 2))};
        wash(c, blob(p, width * 0.25f, h * 0.45f, seed + i), {104 + 10.0f * i, 156, 92, 0.8f}, seed + 10 + i);
    }
    for (int i = 0; i < 5; ++i) {
        const Vec2 p = base + Vec2{(i - 2) * width * 0.19f, -h * 0.8f};
        pencil(c, curve(p + Vec2{-width * 0.1f, h * 0.1f}, p + Vec2{0, -h * 0.25f}, p + Vec2{width * 0.1f, h * 0.12f}, 8), 1.5f,
               kGraphite.withAlpha(0.7f), seed + 20 + i);
    }
    pencil(c, {base + Vec2{-width / 2, 0}, base + Vec2{width / 2, 0}}, 1.6f, kGraphite.withAlpha(0.7f), seed + 30, false);
}

void flower(Canvas& c, Vec2 base, float height, Paint petals, std::uint32_t seed) {
    const Vec2 head = base + Vec2{height * 0.12f, -height};
    pencil(c, curve(base, base + Vec2{-height * 0.1f, -height * 0.5f}, head, 10), 1.8f, {70, 110, 64, 1}, seed, false);
    pencil(c, curve(base + Vec2{0, -height * 0.35f}, base + Vec2{height * 0.25f, -height * 0.5f}, base + Vec2{height * 0.3f, -height * 0.42f}, 8),
           1.4f, {70, 110, 64, 1}, seed + 1, false);
    const float r = height * 0.14f;
    for (int i = 0; i < 6; ++i) {
        const float a = 2 * kPi * i / 6;
        wash(c, ellipsePath(head + Vec2{std::cos(a), std::sin(a)} * r, r * 0.75f, r * 0.75f, 16), petals, seed + 2 + i);
    }
    Mask middle(c.width(), c.height());
    middle.ellipse(head, r * 0.55f, r * 0.55f);
    c.paint(middle, kOchreWash);
    pencil(c, closed(ellipsePath(head, r * 0.55f, r * 0.55f, 16)), 1.2f, kGraphite, seed + 10, false);
}

void fern(Canvas& c, Vec2 base, float height, std::uint32_t seed) {
    for (int f = 0; f < 3; ++f) {
        const float lean = (f - 1) * 0.5f;
        const Vec2 tip = base + Vec2{std::sin(lean) * height, -std::cos(lean) * height};
        const Path stem = curve(base, lerp(base, tip, 0.5f) + Vec2{lean * 20, -10}, tip, 14);
        pencil(c, stem, 1.6f, {64, 100, 60, 1}, seed + f, false);
        for (size_t i = 1; i + 1 < stem.size(); ++i) {
            const float len = height * 0.22f * (1 - static_cast<float>(i) / stem.size());
            const Vec2 d = stem[i + 1] - stem[i - 1];
            const Vec2 n = Vec2{-d.y, d.x} * (1 / d.length());
            for (float side : {-1.0f, 1.0f}) {
                Mask leaf(c.width(), c.height());
                leaf.capsule(stem[i], stem[i] + n * (side * len) + d * (0.3f / d.length() * len), 2.2f, 0.6f);
                c.paint(leaf, {104, 156, 88, 0.85f}, Grain{3, 0.3f, seed + 10 + f});
            }
        }
    }
}

void hill(Canvas& c, float x0, float x1, float y, float amplitude, Paint paint, std::uint32_t seed) {
    Path line;
    for (float x = x0; x <= x1; x += 8) line.push_back({x, y - amplitude * (0.5f + 0.5f * noise::wobble(x / 260, seed))});
    Path area = line;
    area.push_back({x1, static_cast<float>(c.height()) + 4});
    area.push_back({x0, static_cast<float>(c.height()) + 4});
    wash(c, area, paint, seed + 1);
    pencil(c, line, 2.0f, kGraphite.withAlpha(0.7f), seed + 2);
}

}  // namespace scenery
