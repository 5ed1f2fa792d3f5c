#include "pictures/Figure.h"

#include <algorithm>
#include <cmath>

#include "pictures/Strokes.h"

namespace {

using namespace strokes;

constexpr float kThigh = 19, kShin = 19, kTorso = 28, kNeckToHead = 11, kHeadRadius = 8.5f;
constexpr float kUpperArm = 13, kForearm = 13;

constexpr Paint kCoat{128, 146, 172, 1};
constexpr Paint kTrousers{92, 92, 104, 1};
constexpr Paint kSkin{252, 240, 226, 1};

struct Joints {
    Vec2 hip, neck, shoulder, head;
    Vec2 nearKnee, nearAnkle, farKnee, farAnkle;
    Vec2 nearElbow, nearHand, farElbow, farHand;
};

Vec2 up(float lean) { return {std::sin(lean), -std::cos(lean)}; }

Joints solve(const Pose& p) {
    Joints j;
    j.hip = p.hip;
    j.neck = p.hip + up(p.lean) * (kTorso + p.breath);
    j.shoulder = p.hip + up(p.lean) * (kTorso - 3 + p.breath);
    j.head = j.neck + up(p.lean * 0.5f + p.headTilt) * kNeckToHead;
    j.nearKnee = j.hip + downAngle(p.nearLeg.upper) * kThigh;
    j.nearAnkle = j.nearKnee + downAngle(p.nearLeg.lower) * kShin;
    j.farKnee = j.hip + downAngle(p.farLeg.upper) * kThigh;
    j.farAnkle = j.farKnee + downAngle(p.farLeg.lower) * kShin;
    j.nearElbow = j.shoulder + downAngle(p.nearArm.upper) * kUpperArm;
    j.nearHand = j.nearElbow + downAngle(p.nearArm.lower) * kForearm;
    j.farElbow = j.shoulder + downAngle(p.farArm.upper) * kUpperArm;
    j.farHand = j.farElbow + downAngle(p.farArm.lower) * kForearm;
    return j;
}

// Maps frame coordinates into the target canvas.
struct Place {
    Vec2 feet;
    float scale;
    Vec2 operator()(Vec2 p) const { return feet + (p - Vec2{100, 90}) * scale; }
    Path operator()(const Path& path) const {
        Path out;
        for (const Vec2& v : path) out.push_back((*this)(v));
        return out;
    }
};

struct Pen {
    Canvas& c;
    Place at;
    std::uint32_t seed;

    // A limb or ribbon: a graphite edge with a coloured core.
    void limb(const Path& path, float radius, Paint core, float shade = 1) {
        Mask edge(c.width(), c.height()), fill(c.width(), c.height());
        const Path p = at(path);
        edge.stroke(p, (radius + 1.15f) * at.scale);
        fill.stroke(p, radius * at.scale);
        c.paint(edge, kGraphite.withAlpha(0.95f * shade), Grain{2.5f, 0.3f, seed++});
        c.paint(fill, core, Grain{4, 0.15f, seed++});
    }
    void shape(const Path& outline, Paint core, float lineWidth = 1.5f) {
        Mask fill(c.width(), c.height());
        const Path p = at(outline);
        fill.fill(p);
        c.paint(fill, core, Grain{5, 0.15f, seed++});
        pencil(c, closed(p), lineWidth * at.scale, kGraphite, seed++, false);
    }
    void line(const Path& path, float width, Paint paint) { pencil(c, at(path), width * at.scale, paint, seed++, false); }
    void dot(Vec2 centre, float r, Paint paint) {
        Mask m(c.width(), c.height());
        m.ellipse(at(centre), r * at.scale, r * at.scale);
        c.paint(m, paint);
    }
};

void drawLeg(Pen& pen, Vec2 hip, Vec2 knee, Vec2 ankle, float lowerAngle, float shade) {
    const Paint trousers = shade < 1 ? Paint{120, 120, 132, 1} : kTrousers;
    pen.limb({hip, knee, ankle}, 2.9f, trousers, shade);
    // The shoe points forward, square to the shin.
    const Vec2 toe = ankle + downAngle(lowerAngle + kPi / 2 - 0.1f) * 6.5f;
    pen.limb({ankle + Vec2{-1.5f, 0.5f}, toe}, 2.1f, {40, 38, 46, 1}, shade);
}

void drawArm(Pen& pen, Vec2 shoulder, Vec2 elbow, Vec2 hand, float shade) {
    pen.limb({shoulder, elbow, hand}, 2.3f, shade < 1 ? Paint{150, 164, 186, 1} : kCoat, shade);
    pen.dot(hand, 2.4f, kGraphite.withAlpha(shade));
    pen.dot(hand, 1.5f, kSkin);
}

void drawScarfTail(Pen& pen, const Pose& p, Vec2 neck) {
    constexpr int kLinks = 14;
    constexpr float kLink = 5.2f;
    Path tail{neck + Vec2{-3, 2}};
    std::vector<float> radii{2.7f};
    for (int i = 1; i <= kLinks; ++i) {
        const float s = static_cast<float>(i) / kLinks;
        const float angle = lerp(p.scarf.rootAngle, p.scarf.tipAngle, s) +
                            p.scarf.wave * s * std::sin(2 * kPi * p.scarf.phase - 4.2f * s);
        tail.push_back(tail.back() + downAngle(angle) * kLink);
        radii.push_back(2.7f - 1.0f * s);
    }
    Mask edge(pen.c.width(), pen.c.height()), fill(pen.c.width(), pen.c.height());
    const Path placed = pen.at(tail);
    std::vector<float> outer, inner;
    for (float r : radii) {
        outer.push_back((r + 1.1f) * pen.at.scale);
        inner.push_back(r * pen.at.scale);
    }
    edge.stroke(placed, outer);
    fill.stroke(placed, inner);
    pen.c.paint(edge, kGraphite.withAlpha(0.9f), Grain{2.5f, 0.3f, pen.seed++});
    pen.c.paint(fill, kScarfRed, Grain{5, 0.3f, pen.seed++});
    // A stripe across the scarf now and then, and a fringe at the end.
    for (int i = 3; i < kLinks; i += 4) {
        const Vec2 d = tail[i + 1] - tail[i - 1];
        const Vec2 n = Vec2{-d.y, d.x} * (1 / std::max(0.01f, d.length()));
        pen.line({tail[i] + n * radii[i], tail[i] - n * radii[i]}, 1.0f, {120, 30, 26, 0.8f});
    }
    const Vec2 end = tail.back(), dir = (tail.back() - tail[kLinks - 1]) * (1.0f / kLink);
    const Vec2 n{-dir.y, dir.x};
    for (int k = -1; k <= 1; ++k) pen.line({end + n * (1.6f * k), end + n * (1.6f * k) + dir * 4.5f}, 0.9f, kGraphite);
}

void drawKey(Pen& pen, Vec2 hand) {
    const Vec2 ring = hand + Vec2{0, -5};
    pen.dot(ring, 4.2f, kInk);
    pen.dot(ring, 2.8f, {226, 176, 70, 1});
    pen.dot(ring, 1.4f, kSkin);
    pen.limb({hand + Vec2{0, -1}, hand + Vec2{0, 11}}, 1.0f, {226, 176, 70, 1});
    pen.limb({hand + Vec2{0, 8}, hand + Vec2{3.5f, 8}}, 0.8f, {226, 176, 70, 1});
    pen.limb({hand + Vec2{0, 11}, hand + Vec2{3, 11}}, 0.8f, {226, 176, 70, 1});
    pen.dot(hand, 2.4f, kGraphite);
    pen.dot(hand, 1.5f, kSkin);
}

}  // namespace

void groundPose(Pose& pose) {
    const Joints j = solve(pose);
    pose.hip.y += kGroundAnkleY - std::max(j.nearAnkle.y, j.farAnkle.y);
}

void drawFigure(Canvas& c, const Pose& p, Vec2 feet, float scale) {
    const Joints j = solve(p);
    Pen pen{c, Place{feet, scale}, 7000u};

    drawScarfTail(pen, p, j.neck);
    if (!p.carriesKey) drawArm(pen, j.shoulder, j.farElbow, j.farHand, 0.6f);
    drawLeg(pen, j.hip, j.farKnee, j.farAnkle, p.farLeg.lower, 0.6f);

    // Coat: a tapered body from the shoulders to just below the hips.
    const Vec2 axis = up(p.lean), side{-axis.y, axis.x};
    const Vec2 top = j.neck - axis * 1.5f, bottom = j.hip - axis * 4;
    pen.shape({top + side * 5.5f, bottom + side * 8, bottom - side * 8, top - side * 5.5f}, kCoat);
    drawLeg(pen, j.hip, j.nearKnee, j.nearAnkle, p.nearLeg.lower, 1);

    // The scarf's wrap round the neck, then the head over it.
    pen.limb({j.neck - side * 5 + axis * 0.5f, j.neck + side * 5 + axis * 0.5f}, 3.0f, kScarfRed);
    pen.shape(ellipsePath(j.head, kHeadRadius, kHeadRadius, 28), kSkin, 1.6f);
    const Vec2 faceDir = downAngle(kPi / 2 - p.headTilt - p.lean * 0.5f);
    const Vec2 eye = j.head + faceDir * 4.5f + Vec2{0, -1};
    if (p.blink) {
        pen.line({eye + Vec2{-1.5f, 0}, eye + Vec2{1.5f, 0.3f}}, 0.9f, kInk);
    } else {
        pen.dot(eye, 1.3f, kInk);
    }
    // Hair: a dark mop over the crown and the back of the head, with a loose strand.
    const float facing = std::atan2(faceDir.y, faceDir.x);
    Path hair;
    for (int k = 0; k <= 12; ++k) {
        const float a = facing - 0.5f - (kPi + 0.7f) * k / 12;
        const float r = kHeadRadius + 1.2f + (k % 2 ? 0.8f : 0.0f);
        hair.push_back(j.head + Vec2{std::cos(a), std::sin(a)} * r);
    }
    for (int k = 12; k >= 0; --k) {
        const float a = facing - 0.5f - (kPi + 0.7f) * k / 12;
        hair.push_back(j.head + Vec2{std::cos(a), std::sin(a)} * (kHeadRadius - 2.5f - 2.0f * std::sin(kPi * k / 12)));
    }
    pen.shape(hair, {74, 66, 62, 1}, 1.0f);
    pen.line({j.head + Vec2{std::cos(facing - 0.6f), std::sin(facing - 0.6f)} * (kHeadRadius + 1),
              j.head + Vec2{std::cos(facing - 0.2f), std::sin(facing - 0.2f)} * (kHeadRadius - 1)},
             1.1f, kGraphite);

    drawArm(pen, j.shoulder, j.nearElbow, j.nearHand, 1);
    if (p.carriesKey) {
        drawArm(pen, j.shoulder, j.farElbow, j.farHand, 0.85f);
        drawKey(pen, j.farHand);
    }
    if (p.throwArc > 0) {
        // Swish marks along the arc the throwing hand just travelled.
        for (int k = 0; k < 3; ++k) {
            const float r = kUpperArm + kForearm + 3 + 4.0f * k;
            Path arc;
            for (int i = 0; i <= 10; ++i) arc.push_back(j.shoulder + downAngle(p.nearArm.upper + p.throwArc * i / 10) * r);
            pen.line(arc, 1.1f, kGraphite.withAlpha(0.45f - 0.1f * k));
        }
    }
}
