#pragma once

#include <cmath>
#include <vector>

// Points and small vector maths for the drawing code.
struct Vec2 {
    float x = 0, y = 0;
    Vec2 operator+(Vec2 o) const { return {x + o.x, y + o.y}; }
    Vec2 operator-(Vec2 o) const { return {x - o.x, y - o.y}; }
    Vec2 operator*(float s) const { return {x * s, y * s}; }
    float length() const { return std::sqrt(x * x + y * y); }
};

using Path = std::vector<Vec2>;

constexpr float kPi = 3.14159265358979f;

inline Vec2 lerp(Vec2 a, Vec2 b, float t) { return a + (b - a) * t; }
inline float lerp(float a, float b, float t) { return a + (b - a) * t; }

// A unit vector at `angle` radians measured from straight down (0) towards +x.
inline Vec2 downAngle(float angle) { return {std::sin(angle), std::cos(angle)}; }

inline Vec2 rotate(Vec2 v, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// Points of an ellipse, counter-clockwise from angle 0, `steps` of them.
inline Path ellipsePath(Vec2 centre, float rx, float ry, int steps = 48) {
    Path p;
    for (int i = 0; i < steps; ++i) {
        const float a = 2 * kPi * i / steps;
        p.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
    }
    return p;
}

// A quadratic curve through three control points, sampled into `steps` segments.
inline Path curve(Vec2 a, Vec2 control, Vec2 b, int steps = 16) {
    Path p;
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / steps;
        p.push_back(lerp(lerp(a, control, t), lerp(control, b, t), t));
    }
    return p;
}

// The outline with its first point again at the end, so a stroke along it closes.
inline Path closed(Path p) {
    if (!p.empty()) p.push_back(p.front());
    return p;
}

inline Path translated(Path p, Vec2 by) {
    for (Vec2& v : p) v = v + by;
    return p;
}

// Even-odd test of a point against a closed outline.
inline bool insideOutline(const Path& outline, Vec2 p) {
    bool in = false;
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Vec2 a = outline[i], b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

inline Path mirroredX(Path p, float width) {
    for (Vec2& v : p) v.x = width - v.x;
    return p;
}
