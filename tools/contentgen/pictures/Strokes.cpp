#include "pictures/Strokes.h"

#include <algorithm>
#include <cmath>

#include "pictures/Noise.h"

namespace strokes {

Path resampled(const Path& path, float spacing) {
    if (path.size() < 2) return path;
    Path out{path.front()};
    float carried = 0;
    for (size_t i = 1; i < path.size(); ++i) {
        const Vec2 a = path[i - 1], b = path[i];
        const float len = (b - a).length();
        float t = spacing - carried;
        while (t <= len) {
            out.push_back(lerp(a, b, t / len));
            t += spacing;
        }
        carried = len - (t - spacing);
    }
    if ((out.back() - path.back()).length() > 0.01f) out.push_back(path.back());
    return out;
}

Path wobbled(const Path& path, float amplitude, std::uint32_t seed, float wavelength) {
    Path p = resampled(path, 3);
    Path out;
    float s = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        if (i > 0) s += (p[i] - p[i - 1]).length();
        const Vec2 prev = p[i > 0 ? i - 1 : i], next = p[i + 1 < p.size() ? i + 1 : i];
        Vec2 dir = next - prev;
        const float len = dir.length();
        const Vec2 normal = len > 0 ? Vec2{-dir.y / len, dir.x / len} : Vec2{0, 0};
        out.push_back(p[i] + normal * (amplitude * noise::wobble(s / wavelength, seed)));
    }
    return out;
}

void pencil(Canvas& c, const Path& path, float width, Paint paint, std::uint32_t seed, bool sketchy) {
    const Path p = wobbled(path, width * 0.35f, seed, 30);
    std::vector<float> radii;
    float s = 0, total = 0;
    for (size_t i = 1; i < p.size(); ++i) total += (p[i] - p[i - 1]).length();
    for (size_t i = 0; i < p.size(); ++i) {
        if (i > 0) s += (p[i] - p[i - 1]).length();
        const float pressure = 0.88f + 0.2f * noise::wobble(s / 25, seed + 3u);
        const float taper = std::min(1.0f, 0.45f + std::min(s, total - s) / 8);
        radii.push_back(width * 0.5f * pressure * taper);
    }
    Mask m(c.width(), c.height());
    m.stroke(p, radii);
    c.paint(m, paint, Grain{2.5f, 0.35f, seed + 11u});
    if (!sketchy) return;
    Mask ghost(c.width(), c.height());
    ghost.stroke(wobbled(path, width * 0.8f, seed + 5u, 45), width * 0.3f);
    c.paint(ghost, paint.withAlpha(paint.alpha * 0.3f), Grain{2.5f, 0.5f, seed + 13u});
}

void ink(Canvas& c, const Path& path, float width, std::uint32_t seed, Paint paint) {
    const Path p = wobbled(path, width * 0.15f, seed, 60);
    float total = 0;
    for (size_t i = 1; i < p.size(); ++i) total += (p[i] - p[i - 1]).length();
    std::vector<float> radii;
    float s = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        if (i > 0) s += (p[i] - p[i - 1]).length();
        const float taper = std::min(1.0f, 0.35f + std::min(s, total - s) / 10);
        radii.push_back(width * 0.5f * taper);
    }
    Mask m(c.width(), c.height());
    m.stroke(p, radii);
    c.paint(m, paint);
}

void wash(Canvas& c, const Path& outline, Paint paint, std::uint32_t seed) {
    Path edge = wobbled(outline, 2.0f, seed, 50);
    Mask m(c.width(), c.height());
    m.fill(edge);
    c.paint(m, paint, Grain{22, 0.45f, seed + 1u});
    edge.push_back(edge.front());
    Mask rim(c.width(), c.height());
    rim.stroke(edge, 1.1f);
    rim.clip(m);
    const Paint pooled{paint.r * 0.8f, paint.g * 0.8f, paint.b * 0.8f, paint.alpha * 0.5f};
    c.paint(rim, pooled, Grain{6, 0.4f, seed + 2u});
}

void hatch(Canvas& c, const Mask& region, float angle, float spacing, float width, Paint paint, std::uint32_t seed) {
    const float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
    const Vec2 centre{w / 2, h / 2};
    const float reach = std::sqrt(w * w + h * h) / 2 + spacing;
    Mask lines(c.width(), c.height());
    int n = 0;
    for (float off = -reach; off <= reach; off += spacing, ++n) {
        // Each line is a run of dashes, as a hand shades in short strokes.
        float along = -reach + 20 * noise::hash(n, 0, seed);
        int k = 0;
        while (along < reach) {
            const float len = 25 + 50 * noise::hash(n, ++k, seed);
            const float tilt = angle + 0.06f * noise::wobble(n * 1.3f + k, seed + 1);
            const Vec2 dir{std::cos(tilt), std::sin(tilt)}, across{-std::sin(angle), std::cos(angle)};
            const Vec2 start = centre + across * (off + spacing * 0.3f * noise::wobble(n * 0.7f + k, seed)) +
                               Vec2{std::cos(angle), std::sin(angle)} * along;
            const Vec2 end = start + dir * len;
            if (std::max(start.x, end.x) > -4 && std::min(start.x, end.x) < w + 4 && std::max(start.y, end.y) > -4 &&
                std::min(start.y, end.y) < h + 4)
                lines.capsule(start, end, width * 0.5f, width * 0.35f);
            along += len + 3 + 6 * noise::hash(n, k, seed + 2);
        }
    }
    lines.clip(region);
    c.paint(lines, paint, Grain{3, 0.4f, seed + 17u});
}

void softSpot(Canvas& c, Vec2 centre, float radius, Paint paint) {
    Mask m(c.width(), c.height());
    const int x0 = std::max(0, static_cast<int>(centre.x - radius)), x1 = std::min(c.width() - 1, static_cast<int>(centre.x + radius));
    const int y0 = std::max(0, static_cast<int>(centre.y - radius)), y1 = std::min(c.height() - 1, static_cast<int>(centre.y + radius));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float d = (Vec2{x + 0.5f, y + 0.5f} - centre).length() / radius;
            if (d < 1) m.raise(x, y, (1 - d) * (1 - d));
        }
    c.paint(m, paint);
}

}  // namespace strokes
