#include <cmath>

#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

// The small things of a level: the boomerang, the scarf ball, the pad's reticle, keys, pages, arrows,
// platforms and the invisible boxes of goals and camera triggers.
namespace {

using namespace strokes;

Canvas boomerang() {
    Canvas c(24, 24);
    const Path shape = curve({20.5f, 5.0f}, {4, 3}, {5.0f, 20.5f}, 20);
    Mask edge(24, 24), wood(24, 24);
    edge.stroke(shape, {2.6f, 3.6f, 4.0f, 4.2f, 4.2f, 4.2f, 4.0f, 3.8f, 3.4f, 3.0f, 2.6f});
    wood.stroke(shape, 2.4f);
    c.paint(edge, kInk);
    c.paint(wood, kOchreWash, Grain{4, 0.25f, 3});
    Mask shine(24, 24);
    shine.stroke(curve({16, 6.5f}, {7.5f, 6.5f}, {6.5f, 15}, 8), 0.6f);
    c.paint(shine, {255, 240, 200, 0.8f});
    return c;
}

Canvas boomerangGlow() {
    Canvas c(72, 72);
    softSpot(c, {36, 36}, 36, {255, 214, 110, 0.55f});
    softSpot(c, {36, 36}, 20, {255, 240, 190, 0.5f});
    return c;
}

Canvas scarfBall() {
    Canvas c(110, 60);
    const Vec2 centre{58, 31};
    // Speed lines and the scarf's loose end, trailing left against the wind.
    for (int i = 0; i < 4; ++i)
        pencil(c, {{4.0f + 6 * i, 14.0f + 11 * i}, {26.0f + 4 * i, 15.0f + 11 * i}}, 1.2f, kGraphite.withAlpha(0.35f), 60u + i, false);
    Path tail;
    for (int i = 0; i <= 14; ++i) {
        const float t = i / 14.0f;
        tail.push_back({centre.x - 18 - 36 * t, centre.y + 4 + 7 * std::sin(t * 6.0f) * t});
    }
    Mask tailMask(110, 60);
    std::vector<float> radii;
    for (int i = 0; i <= 14; ++i) radii.push_back(5.0f - 2.0f * i / 14);
    tailMask.stroke(tail, radii);
    c.paint(tailMask, kScarfRed, Grain{6, 0.3f, 61});
    pencil(c, translated(tail, {0, -4.5f}), 1.2f, kGraphite, 62, false);
    pencil(c, translated(tail, {0, 4.5f}), 1.2f, kGraphite, 63, false);
    // The bundle: the hero curled up in the scarf, head tucked in at the front.
    Path wrap = ellipsePath(centre, 24, 24, 40);
    wash(c, wrap, kScarfRed, 64);
    Mask body(110, 60);
    body.fill(wrap);
    c.paint(body, kScarfRed.withAlpha(0.75f), Grain{5, 0.3f, 65});
    for (int i = 0; i < 4; ++i) {
        const float t = -15 + 10.0f * i;
        pencil(c, curve(centre + Vec2{-22, t + 6}, centre + Vec2{0, t - 6}, centre + Vec2{22, t + 2}, 12), 1.3f, {120, 30, 25, 0.75f},
               66u + i, false);
    }
    Path rim = ellipsePath(centre, 24, 24, 40);
    rim.push_back(rim.front());
    pencil(c, rim, 2.2f, kGraphite, 71);
    const Vec2 head = centre + Vec2{13, -13};
    Mask face(110, 60);
    face.ellipse(head, 10, 10);
    c.paint(face, {252, 240, 226, 1});
    Path hair;
    for (int i = 0; i <= 10; ++i) {
        const float a = kPi * 0.95f + kPi * 0.9f * i / 10;
        hair.push_back(head + Vec2{std::cos(a), std::sin(a)} * 10.5f);
    }
    hair.push_back(head + Vec2{3, -3});
    hair.push_back(head + Vec2{-5, 1});
    Mask mop(110, 60);
    mop.fill(hair);
    c.paint(mop, {74, 66, 62, 1});
    Path faceRing = ellipsePath(head, 10, 10, 24);
    faceRing.push_back(faceRing.front());
    pencil(c, faceRing, 1.4f, kGraphite, 69, false);
    Mask eye(110, 60);
    eye.ellipse(head + Vec2{5, 0}, 1.3f, 1.6f);
    c.paint(eye, kInk);
    return c;
}

// Where a gamepad aims the boomerang: a pencilled ring with four red ticks and a dot, on a
// pale halo so it reads over ink as well as over paper.
Canvas reticle() {
    Canvas c(44, 44);
    const Vec2 centre{22, 22};
    Mask halo(44, 44);
    halo.ellipse(centre, 17, 17);
    Mask hole(44, 44);
    hole.ellipse(centre, 9, 9);
    c.paint(halo, kPaper.withAlpha(0.55f));
    c.erase(hole, 0.7f);
    // Drawn in one go round and a little past the start, as a hand closes a circle.
    Path ring;
    for (int i = 0; i <= 52; ++i) {
        const float a = -0.4f + 2 * kPi * 1.06f * i / 52;
        ring.push_back(centre + Vec2{std::cos(a), std::sin(a)} * 12.5f);
    }
    pencil(c, wobbled(ring, 1.0f, 95, 14), 2.0f, kGraphite, 96);
    for (int k = 0; k < 4; ++k) {
        const Vec2 out = rotate({0, -1}, kPi / 2 * k);
        ink(c, {centre + out * 15, centre + out * 21}, 3.4f, 97u + k, kScarfRed);
    }
    Mask dot(44, 44);
    dot.ellipse(centre, 1.8f, 1.8f);
    c.paint(dot, kInk);
    return c;
}

Canvas key() {
    Canvas c(30, 56);
    Mask metal(30, 56);
    metal.ellipse({15, 11}, 10, 10);
    metal.capsule({15, 19}, {15, 52}, 3.2f, 3.2f);
    metal.capsule({15, 42}, {24, 42}, 3, 3);
    metal.capsule({15, 50}, {22, 50}, 3, 3);
    c.paint(metal, kInk);
    Mask brass(30, 56);
    brass.ellipse({15, 11}, 7.5f, 7.5f);
    brass.capsule({15, 19}, {15, 51}, 1.6f, 1.6f);
    brass.capsule({15, 42}, {23, 42}, 1.5f, 1.5f);
    brass.capsule({15, 50}, {21, 50}, 1.5f, 1.5f);
    c.paint(brass, {226, 176, 70, 1}, Grain{4, 0.2f, 80});
    Mask hole(30, 56);
    hole.ellipse({15, 11}, 4, 4);
    c.erase(hole);
    Mask holeRim(30, 56);
    Path r = ellipsePath({15, 11}, 4.2f, 4.2f, 20);
    r.push_back(r.front());
    holeRim.stroke(r, 1.1f);
    c.paint(holeRim, kInk);
    return c;
}

// A sketchbook page torn out along its top edge, a little tilted, with a doodle on it.
Canvas page() {
    Canvas c(48, 56);
    Path outline{{6, 9}, {10, 6}, {14, 8}, {19, 5}, {23, 8}, {28, 5}, {33, 8}, {38, 6}, {43, 9}, {44, 52}, {5, 53}};
    Mask sheet(48, 56);
    sheet.fill(outline);
    c.paint(sheet, kPaper);
    c.paint(sheet, kOchreWash.withAlpha(0.25f), Grain{6, 0.3f, 120});
    Mask lines(48, 56);
    for (int i = 0; i < 4; ++i) {
        const float y = 20 + 8.0f * static_cast<float>(i);
        lines.stroke(wobbled({{9, y}, {40, y}}, 0.5f, 121 + i, 20), 0.5f);
    }
    c.paint(lines, kInk.withAlpha(0.3f));
    pencil(c, wobbled({{12, 40}, {18, 28}, {24, 36}, {30, 24}, {36, 34}}, 0.8f, 125, 12), 1.2f, kInk.withAlpha(0.7f), 126);
    ink(c, closed(outline), 1.6f, 127);
    return c;
}

// An arrow pointing along `dir` in a 46 x 46 box: a flying arrow rubs out a circle that
// fills this box, so the drawing stays inside it.
Canvas arrow(Vec2 dir) {
    Canvas c(46, 46);
    const Vec2 centre{23, 23}, side{-dir.y, dir.x};
    auto at = [&](float along, float across) { return centre + dir * along + side * across; };
    Mask shaft(46, 46);
    shaft.capsule(at(-18, 0), at(10, 0), 2.4f, 2.4f);
    shaft.fill({at(20, 0), at(6, -9), at(9, 0), at(6, 9)});
    for (int k = 0; k < 3; ++k) {
        shaft.capsule(at(-19 + 4.0f * k, 0), at(-23 + 4.0f * k, -7), 1.2f, 1.0f);
        shaft.capsule(at(-19 + 4.0f * k, 0), at(-23 + 4.0f * k, 7), 1.2f, 1.0f);
    }
    c.paint(shaft, kInk);
    Mask glint(46, 46);
    glint.capsule(at(-14, -0.6f), at(6, -0.6f), 0.6f, 0.6f);
    c.paint(glint, {200, 200, 210, 0.6f});
    return c;
}

// A plank: ink outline over an opaque painted board, so all of it is solid. The deck is the
// picture's top row: a rider's feet rest exactly on the platform's box and do not overlap it,
// or the platform would take its rider for an obstacle and stop.
Canvas plank(int w, int h, Paint colour, std::uint32_t seed, bool lift) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    const Path outline{{0, 0}, {fw, 0}, {fw - 2, fh - 5}, {fw - 6, fh - 3}, {5, fh - 3}, {2, fh - 6}};
    Mask board(w, h);
    board.fill(outline);
    c.paint(board, kPaper);
    c.paint(board, colour.withAlpha(0.75f), Grain{14, 0.4f, seed});
    Mask lines(w, h);
    for (int i = 1; i < 3; ++i) lines.stroke(wobbled({{8, fh * i / 3}, {fw - 8, fh * i / 3}}, 1.2f, seed + i, 50), 0.5f);
    c.paint(lines, kInk.withAlpha(0.45f));
    ink(c, closed(outline), 3.0f, seed + 5);
    Mask bolts(w, h);
    for (float x : {10.0f, fw - 10})
        bolts.ellipse({x, fh * 0.5f}, 2.2f, 2.2f);
    c.paint(bolts, kInk);
    if (lift) {
        Mask marks(w, h);
        const float mx = fw / 2;
        marks.stroke({{mx - 8, fh / 2 - 2}, {mx - 4, fh / 2 - 7}, {mx, fh / 2 - 2}}, 0.9f);
        marks.stroke({{mx, fh / 2 + 2}, {mx + 4, fh / 2 + 7}, {mx + 8, fh / 2 + 2}}, 0.9f);
        c.paint(marks, kInk);
    }
    return c;
}

}  // namespace

void addProps(PictureSet& set) {
    add(set, "boomerang.png", boomerang());
    add(set, "boomerang_glow.png", boomerangGlow());
    add(set, "scarfball.png", scarfBall());
    add(set, "reticle.png", reticle());
    add(set, "Content/Level/key.png", key());
    add(set, "Content/Level/page.png", page());
    add(set, "Content/Level/arrow_right.png", arrow({1, 0}));
    add(set, "Content/Level/arrow_left.png", arrow({-1, 0}));
    add(set, "Content/Level/arrow_up.png", arrow({0, -1}));
    add(set, "Content/Level/arrow_down.png", arrow({0, 1}));
    add(set, "Content/Level/platform_horizontal.png", plank(200, 32, kOchreWash, 90, false));
    add(set, "Content/Level/platform_vertical.png", plank(140, 32, {150, 160, 175, 1}, 91, true));
    add(set, "Content/Level/goal.png", Canvas(100, 300));
    add(set, "Content/Level/camera_trigger.png", Canvas(200, 200));
}
