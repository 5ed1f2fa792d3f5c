#include "pictures/TerrainPiece.h"

#include "pictures/Noise.h"
#include "pictures/Strokes.h"

namespace terrain {

namespace {

constexpr float kFaint = 99.0f / 255.0f;

// Whether the segment a-b has the body just below it (`up`) or just above it.
bool faces(const Path& outline, Vec2 a, Vec2 b, bool up) {
    const Vec2 mid = lerp(a, b, 0.5f);
    const bool above = insideOutline(outline, mid + Vec2{0, -3}), below = insideOutline(outline, mid + Vec2{0, 3});
    return up ? (!above && below) : (above && !below);
}

// The runs of the outline that face up (or down): the surfaces to stand on (or under).
std::vector<Path> surfaces(const Path& outline, bool up) {
    Path ring = strokes::resampled(outline, 4);
    ring.push_back(outline.front());
    ring = strokes::resampled(ring, 4);
    std::vector<Path> runs;
    Path run;
    for (size_t i = 1; i < ring.size(); ++i) {
        const bool keep = faces(outline, ring[i - 1], ring[i], up);
        if (keep) {
            if (run.empty()) run.push_back(ring[i - 1]);
            run.push_back(ring[i]);
        } else if (!run.empty()) {
            runs.push_back(run);
            run.clear();
        }
    }
    if (!run.empty()) runs.push_back(run);
    return runs;
}

// Solid pixels that belong to a vertical run of at least 6: a stray solid speck where
// shading overlaps the surface would be a ledge one pixel wide.
Mask thickSolids(const Canvas& c) {
    constexpr float kSolid = 100.5f / 255.0f;
    constexpr int kRun = 6;
    Mask keep(c.width(), c.height());
    for (int x = 0; x < c.width(); ++x) {
        int y = 0;
        while (y < c.height()) {
            if (c.alphaAt(x, y) < kSolid) {
                keep.raise(x, y, 1);  // not solid: nothing to limit
                ++y;
                continue;
            }
            int end = y;
            while (end < c.height() && c.alphaAt(x, end) >= kSolid) ++end;
            if (end - y >= kRun)
                for (int k = y; k < end; ++k) keep.raise(x, k, 1);
            y = end;
        }
    }
    return keep;
}

}  // namespace

Canvas drawPiece(const Shape& s, Material m, std::uint32_t seed) {
    Canvas c(s.width, s.height);
    const Path body = strokes::wobbled(s.outline, 1.6f, seed, 45);
    Mask bodyMask(s.width, s.height);
    bodyMask.fill(body);
    Path ring = body;
    ring.push_back(body.front());
    const std::vector<Path> tops = surfaces(s.outline, true);

    if (m == Material::Pencil) {
        c.paint(bodyMask, {158, 158, 166, 0.55f}, Grain{5, 0.2f, seed});
        c.paint(bodyMask, {150, 150, 160, 0.2f}, Grain{16, 1.0f, seed + 9});
        strokes::hatch(c, bodyMask, -0.8f, 7, 1.6f, strokes::kGraphite.withAlpha(0.3f), seed + 1);
        strokes::hatch(c, bodyMask, 0.5f, 13, 1.2f, strokes::kGraphite.withAlpha(0.18f), seed + 2);
        for (const Path& under : surfaces(s.outline, false)) {
            Mask shade(s.width, s.height);
            shade.stroke(translated(under, {0, 7}), 5);
            c.paint(shade, strokes::kLightGraphite.withAlpha(0.22f), Grain{4, 0.5f, seed + 3});
        }
        strokes::pencil(c, ring, 3.0f, strokes::kGraphite.withAlpha(0.85f), seed + 4);
        for (size_t i = 0; i < tops.size(); ++i) {
            strokes::pencil(c, tops[i], 5.0f, strokes::kGraphite.withAlpha(0.95f), seed + 5 + i);
            const Path along = strokes::resampled(tops[i], 9);
            for (size_t k = 1; k + 1 < along.size(); ++k) {
                const float len = 4 + 5 * noise::hash(static_cast<int>(k), 3, seed);
                const float lean = 0.6f * noise::wobble(k * 0.9f, seed + 6);
                Mask flick(s.width, s.height);
                flick.capsule(along[k] + Vec2{0, -2}, along[k] + Vec2{lean * len, -2 - len}, 0.8f, 0.3f);
                c.paint(flick, strokes::kGraphite.withAlpha(0.3f));
            }
        }
    } else {
        c.paint(bodyMask, {252, 250, 244, 1});
        Mask inner(s.width, s.height);
        inner.fill(body);
        strokes::hatch(c, inner, -1.05f, 6, 1.3f, strokes::kInk.withAlpha(0.85f), seed + 1);
        strokes::ink(c, ring, 4.0f, seed + 4);
        for (size_t i = 0; i < tops.size(); ++i) strokes::ink(c, tops[i], 5.5f, seed + 5 + i);
    }
    Mask allowed(s.width, s.height);
    allowed.fill(body);
    allowed.stroke(ring, 3.5f);
    c.limitAlpha(allowed, kFaint);
    c.limitAlpha(thickSolids(c), kFaint);
    return c;
}

Path groundLine(float x0, float x1, float y, std::uint32_t seed) {
    Path p;
    for (float x = x0; x < x1; x += 10) p.push_back({x, y + 3 * noise::wobble(x / 90, seed)});
    p.push_back({x1, y + 3 * noise::wobble(x1 / 90, seed)});
    return p;
}

Path closedBelow(Path top, float bottom) {
    top.push_back({top.back().x, bottom});
    top.push_back({top.front().x, bottom});
    return top;
}

}  // namespace terrain
