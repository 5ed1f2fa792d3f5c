#include <cmath>
#include <vector>

#include "pictures/Figure.h"
#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"
#include "pictures/Strokes.h"

// The desktop icon: the hero with the boomerang on a card of paper, framed in ink. Drawn
// large and shrunk, so the small sizes keep soft, even lines.
namespace {

using namespace strokes;

constexpr int kSide = 512;

Path roundedSquare(float inset, float radius) {
    Path p;
    const float lo = inset + radius, hi = kSide - inset - radius;
    const Vec2 corners[4] = {{hi, hi}, {lo, hi}, {lo, lo}, {hi, lo}};
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i <= 8; ++i) {
            const float a = kPi / 2 * (k + i / 8.0f);
            p.push_back(corners[k] + Vec2{std::cos(a), std::sin(a)} * radius);
        }
    return p;
}

// Two arms meeting at an elbow, each bowed a little, as the game's own boomerang is drawn.
void boomerang(Canvas& c, Vec2 centre, float size, float turn) {
    auto at = [&](Vec2 v) { return centre + rotate(v * size, turn); };
    Path shape = curve(at({0.6f, -0.25f}), at({0.1f, -0.45f}), at({-0.35f, -0.35f}), 12);
    const Path second = curve(at({-0.35f, -0.35f}), at({-0.45f, 0.1f}), at({-0.25f, 0.6f}), 12);
    shape.insert(shape.end(), second.begin() + 1, second.end());
    std::vector<float> edgeRadii, woodRadii;
    for (size_t i = 0; i < shape.size(); ++i) {
        const float t = static_cast<float>(i) / (shape.size() - 1);
        const float swell = 1 - 0.45f * std::abs(2 * t - 1);
        edgeRadii.push_back(0.13f * size * swell);
        woodRadii.push_back(0.09f * size * swell);
    }
    Mask edge(kSide, kSide), wood(kSide, kSide);
    edge.stroke(shape, edgeRadii);
    wood.stroke(shape, woodRadii);
    c.paint(edge, kInk);
    c.paint(wood, kOchreWash, Grain{8, 0.25f, 5104});
}

Canvas icon() {
    Canvas c = scenery::paper(kSide, kSide, 5100);
    wash(c, {{0, 0}, {kSide, 0}, {kSide, 430}, {0, 430}}, kSkyWash.withAlpha(0.45f), 5101);
    scenery::cloud(c, {120, 110}, 130, 5102);
    scenery::hill(c, -20, kSide + 20, 400, 40, {150, 190, 120, 0.7f}, 5103);

    // Swish marks trail the boomerang back towards the throwing hand.
    for (int i = 0; i < 3; ++i)
        pencil(c, curve({250.0f + 12 * i, 215.0f - 14 * i}, {300.0f, 120.0f - 18 * i}, {360.0f + 8 * i, 110.0f - 10 * i}, 16),
               4, kGraphite.withAlpha(0.45f), 5110u + i, false);
    boomerang(c, {370, 140}, 120, 0.6f);

    Pose throwPose{.hip = {96, 50},
                   .lean = 0.2f,
                   .headTilt = -0.15f,
                   .nearLeg = {0.55f, 0.3f},
                   .farLeg = {-0.45f, -1.1f},
                   .nearArm = {2.4f, 2.6f},
                   .farArm = {-0.6f, 0.3f},
                   .scarf = {-1.4f, -1.8f, 0.6f, 0.35f},
                   .throwArc = 1};
    groundPose(throwPose);
    drawFigure(c, throwPose, {215, 420}, 3.3f);
    scenery::grassTuft(c, {360, 420}, 70, 36, 5120);

    Mask card(kSide, kSide);
    card.fill(roundedSquare(12, 70));
    c.limitAlpha(card, 0);
    Path frame = roundedSquare(20, 62);
    frame.push_back(frame.front());
    ink(c, frame, 13, 5130);
    return c;
}

}  // namespace

void addIcons(PictureSet& set) {
    const Canvas big = icon();
    for (int factor : {2, 4, 8}) {
        const int side = kSide / factor;
        add(set, "Icons/torve-" + std::to_string(side) + ".png", big.shrunk(factor));
    }
}
