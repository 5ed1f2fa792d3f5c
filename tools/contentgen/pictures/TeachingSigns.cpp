#include "pictures/Lettering.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

// Wayside signs that teach a control where the levels first need it: a card pinned to a post,
// showing the deed, then the mouse or key that does it and the pad's button, the one to press
// marked red. Pictures only, so they read in any language.
namespace {

using namespace strokes;

constexpr int kW = 300, kH = 230;
constexpr Paint kWood{166, 124, 84, 0.9f};
constexpr Paint kPlastic{222, 222, 228, 1};

// Where the three pictograms stand on the card.
constexpr Vec2 kDeed{68, 68}, kKeys{160, 68}, kPad{242, 68};

enum class PadPart { RightTrigger, LeftTrigger, WestButton, BackButton };

// A shape outlined in ink and filled: the mask grown by the rim is laid in ink first.
template <class Shape>
void outlined(Canvas& c, Shape shape, float rim, Paint fill) {
    Mask outer(kW, kH), inner(kW, kH);
    shape(outer, rim);
    shape(inner, 0.f);
    c.paint(outer, kInk);
    c.paint(inner, fill);
}

// A pencil line with an arrowhead at its end.
void arrow(Canvas& c, const Path& path, std::uint32_t seed, bool dashed = false) {
    if (dashed)
        for (size_t i = 0; i + 1 < path.size(); i += 3)
            pencil(c, {path[i], path[i + 1]}, 2.2f, kGraphite, seed + static_cast<std::uint32_t>(i), false);
    else
        pencil(c, path, 2.0f, kGraphite, seed, false);
    const Vec2 end = path.back(), last = end - path[path.size() - 2];
    const Vec2 dir = last * (1 / last.length()), side{-dir.y, dir.x};
    pencil(c, {end - dir * 9 + side * 6, end, end - dir * 9 - side * 6}, 2.2f, kGraphite, seed + 40, false);
}

void boomerang(Canvas& c, Vec2 at) {
    const Path arms = curve(at + Vec2{-10, -17}, at + Vec2{14, -2}, at + Vec2{-10, 17}, 12);
    Mask edge(kW, kH), wood(kW, kH);
    edge.stroke(arms, 6.5f);
    wood.stroke(arms, 4.2f);
    c.paint(edge, kInk);
    c.paint(wood, kOchreWash, Grain{4, 0.25f, 1501});
}

// A throw's flight, dashed as it goes out; the call home in one stroke back to the thrower.
void flight(Canvas& c, Vec2 from, bool back, std::uint32_t seed) {
    if (back) arrow(c, curve(from + Vec2{-4, 14}, from + Vec2{-20, 56}, from + Vec2{-58, 26}, 14), seed);
    else arrow(c, curve(from + Vec2{14, -10}, from + Vec2{38, -44}, from + Vec2{58, -6}, 12), seed, true);
}

void key(Canvas& c, Vec2 at) {
    Mask metal(kW, kH), brass(kW, kH);
    metal.ellipse(at + Vec2{0, -16}, 9, 9);
    metal.capsule(at + Vec2{0, -8}, at + Vec2{0, 22}, 3, 3);
    metal.capsule(at + Vec2{0, 12}, at + Vec2{8, 12}, 3, 3);
    metal.capsule(at + Vec2{0, 20}, at + Vec2{7, 20}, 3, 3);
    brass.ellipse(at + Vec2{0, -16}, 6.5f, 6.5f);
    brass.capsule(at + Vec2{0, -8}, at + Vec2{0, 21}, 1.5f, 1.5f);
    c.paint(metal, kInk);
    c.paint(brass, {226, 176, 70, 1}, Grain{4, 0.2f, 1511});
    Mask hole(kW, kH);
    hole.ellipse(at + Vec2{0, -16}, 3.5f, 3.5f);
    c.paint(hole, kPaper);
}

void flag(Canvas& c, Vec2 foot) {
    Mask pole(kW, kH);
    pole.capsule(foot, foot + Vec2{0, -52}, 2.2f, 2.2f);
    c.paint(pole, kInk);
    const Path cloth{foot + Vec2{2, -50}, foot + Vec2{30, -44}, foot + Vec2{2, -34}};
    wash(c, cloth, kLeafWash, 1521);
    pencil(c, closed(cloth), 1.6f, kGraphite, 1522, false);
}

// A key cap with its label in red hand lettering, or the space bar's mark.
void keyCap(Canvas& c, Vec2 centre, float w, const char* label, std::uint32_t seed) {
    const float h = 34;
    const Path cap{centre + Vec2{-w / 2, -h / 2}, centre + Vec2{w / 2, -h / 2 - 1}, centre + Vec2{w / 2 + 1, h / 2},
                   centre + Vec2{-w / 2 - 1, h / 2 + 1}};
    Mask fill(kW, kH);
    fill.fill(cap);
    c.paint(fill, kPlastic);
    ink(c, closed(cap), 2.2f, seed);
    pencil(c, {centre + Vec2{-w / 2 + 4, h / 2 - 6}, centre + Vec2{w / 2 - 4, h / 2 - 6}}, 1.2f,
           kLightGraphite, seed + 1, false);
    if (*label == '\0') {
        ink(c, {centre + Vec2{-14, -7}, centre + Vec2{-14, 1}, centre + Vec2{14, 1}, centre + Vec2{14, -7}}, 2.6f,
            seed + 2, kScarfRed);
        return;
    }
    Mask letters(kW, kH);
    handLettering().writeCentred(letters, label, centre + Vec2{0, -2}, 26);
    c.paint(letters, kScarfRed);
}

void mouse(Canvas& c, Vec2 m, bool leftButton) {
    outlined(c, [m](Mask& mask, float grow) { mask.ellipse(m, 17 + grow, 25 + grow); }, 2.2f, kPlastic);
    Mask button(kW, kH), half(kW, kH);
    button.ellipse(m, 17, 25);
    const float x0 = leftButton ? m.x - 18 : m.x, x1 = leftButton ? m.x : m.x + 18;
    half.fill({{x0, m.y - 26}, {x1, m.y - 26}, {x1, m.y - 5}, {x0, m.y - 5}});
    button.clip(half);
    c.paint(button, kScarfRed);
    ink(c, {m + Vec2{-17, -5}, m + Vec2{17, -5}}, 1.8f, 1531);
    ink(c, {m + Vec2{0, -25}, m + Vec2{0, -5}}, 1.8f, 1532);
    pencil(c, curve(m + Vec2{0, -25}, m + Vec2{8, -34}, m + Vec2{2, -44}, 8), 1.4f, kGraphite, 1533, false);
}

// The pad seen from above, its shoulders and triggers peeking over the top edge.
void pad(Canvas& c, Vec2 p, PadPart marked) {
    for (const bool right : {false, true}) {
        const float x = p.x + (right ? 19.f : -19.f);
        const bool lit = (right && marked == PadPart::RightTrigger) || (!right && marked == PadPart::LeftTrigger);
        outlined(c, [x, p](Mask& m, float g) { m.capsule({x - 6, p.y - 16}, {x + 6, p.y - 16}, 4 + g, 4 + g); }, 1.8f,
                 lit ? kScarfRed : kPlastic);
    }
    outlined(c,
             [p](Mask& m, float g) {
                 m.ellipse(p, 33 + g, 15 + g);
                 m.ellipse(p + Vec2{-21, 10}, 12 + g, 14 + g);
                 m.ellipse(p + Vec2{21, 10}, 12 + g, 14 + g);
             },
             2.2f, kPlastic);
    Mask dpad(kW, kH);
    dpad.capsule(p + Vec2{-26, -2}, p + Vec2{-14, -2}, 2.2f, 2.2f);
    dpad.capsule(p + Vec2{-20, -8}, p + Vec2{-20, 4}, 2.2f, 2.2f);
    c.paint(dpad, kInk);
    const Vec2 face = p + Vec2{20, -2};
    for (const Vec2 at : {face + Vec2{-6, 0}, face + Vec2{6, 0}, face + Vec2{0, -6}, face + Vec2{0, 6}}) {
        const bool lit = marked == PadPart::WestButton && at.x < face.x;
        outlined(c, [at](Mask& m, float g) { m.ellipse(at, 2.8f + g, 2.8f + g); }, 1.2f, lit ? kScarfRed : kPlastic);
    }
    for (const float dx : {-6.f, 6.f}) {
        const bool lit = marked == PadPart::BackButton && dx < 0;
        outlined(c, [p, dx](Mask& m, float g) { m.ellipse(p + Vec2{dx, -7}, 3.4f + g, 2.2f + g); }, 1.2f,
                 lit ? kScarfRed : kPlastic);
    }
    for (const float dx : {-9.f, 9.f})
        pencil(c, closed(ellipsePath(p + Vec2{dx, 7}, 4, 4, 16)), 1.2f, kGraphite, 1541, false);
}

// The post, the board and the card the pictograms are drawn on.
Canvas sign(std::uint32_t seed) {
    Canvas c(kW, kH);
    const Path post{{142, 120}, {158, 120}, {160, kH - 2}, {140, kH - 2}};
    wash(c, post, kWood, seed);
    pencil(c, post, 2.0f, kGraphite, seed + 1);
    const Path board = wobbled({{8, 10}, {292, 6}, {290, 132}, {10, 128}}, 1.5f, seed + 2);
    wash(c, board, kWood, seed + 3);
    pencil(c, closed(board), 2.4f, kGraphite, seed + 4);
    const Path card{{20, 18}, {280, 16}, {279, 120}, {22, 119}};
    Mask paper(kW, kH);
    paper.fill(card);
    c.paint(paper, kPaper);
    pencil(c, closed(card), 1.4f, kLightGraphite, seed + 5, false);
    for (const Vec2 pin : {Vec2{28, 25}, Vec2{272, 24}}) {
        Mask head(kW, kH);
        head.ellipse(pin, 3, 3);
        c.paint(head, kScarfRed);
    }
    // The deed apart from the ways to do it, which a slash divides.
    pencil(c, {{112, 30}, {113, 108}}, 1.4f, kLightGraphite, seed + 6, false);
    pencil(c, {{206, 96}, {196, 40}}, 1.6f, kGraphite, seed + 7, false);
    return c;
}

Canvas throwSign() {
    Canvas c = sign(1550);
    boomerang(c, kDeed + Vec2{-20, 14});
    flight(c, kDeed + Vec2{-20, 14}, false, 1551);
    mouse(c, kKeys + Vec2{0, 8}, true);
    pad(c, kPad, PadPart::RightTrigger);
    return c;
}

Canvas recallSign() {
    Canvas c = sign(1560);
    boomerang(c, kDeed + Vec2{22, -14});
    flight(c, kDeed + Vec2{22, -14}, true, 1561);
    mouse(c, kKeys + Vec2{0, 8}, false);
    pad(c, kPad, PadPart::LeftTrigger);
    return c;
}

Canvas keySign() {
    Canvas c = sign(1570);
    key(c, kDeed);
    arrow(c, {kDeed + Vec2{26, 2}, kDeed + Vec2{26, -26}}, 1571);
    arrow(c, {kDeed + Vec2{26, -2}, kDeed + Vec2{26, 26}}, 1572);
    keyCap(c, kKeys, 70, "", 1573);
    pad(c, kPad, PadPart::WestButton);
    return c;
}

Canvas restartSign() {
    Canvas c = sign(1580);
    flag(c, kDeed + Vec2{-26, 30});
    arrow(c, curve(kDeed + Vec2{34, 24}, kDeed + Vec2{30, -34}, kDeed + Vec2{-6, -14}, 14), 1581);
    keyCap(c, kKeys, 36, "R", 1583);
    pad(c, kPad, PadPart::BackButton);
    return c;
}

}  // namespace

void addTeachingSigns(PictureSet& set) {
    add(set, "Content/Level/sign_throw.png", throwSign());
    add(set, "Content/Level/sign_recall.png", recallSign());
    add(set, "Content/Level/sign_key.png", keySign());
    add(set, "Content/Level/sign_restart.png", restartSign());
}
