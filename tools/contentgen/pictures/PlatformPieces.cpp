#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

// Pieces for the platform level: a ferry plank, lifts that show their way, a pencil peg that
// holds a platform back until it is rubbed out, and a thin ink post that stops a lift.
namespace {

using namespace strokes;

Path closedPath(Path p) {
    p.push_back(p.front());
    return p;
}

enum class Marks { None, BothWays, Up, Down };

// Chevrons across the face, pointing the way the lift goes: read at a glance, from afar.
void chevrons(Mask& m, float w, bool up) {
    for (float cx = 26; cx < w - 20; cx += 30) {
        const float tip = up ? 6 : 22, foot = up ? 18 : 10;
        m.stroke({{cx - 8, foot}, {cx, tip}, {cx + 8, foot}}, 1.6f);
    }
}

// A flat plank whose deck is solid from its very top row, so a rider standing on it only
// touches its box: a platform never takes its rider for an obstacle.
Canvas flushPlank(int w, Paint colour, Marks marks, std::uint32_t seed) {
    const int h = 30;
    Canvas c(w, h);
    const float fw = static_cast<float>(w);
    const Path outline{{1, 0}, {fw - 1, 0}, {fw - 2, 24}, {fw - 8, 29}, {8, 29}, {2, 24}};
    Mask board(w, h);
    board.fill(outline);
    c.paint(board, kPaper);
    c.paint(board, colour.withAlpha(0.8f), Grain{14, 0.4f, seed});
    Mask grain(w, h);
    for (int i = 1; i < 3; ++i) grain.stroke(wobbled({{10, 9.0f * i + 3}, {fw - 10, 9.0f * i + 3}}, 1.2f, seed + i, 50), 0.5f);
    c.paint(grain, kInk.withAlpha(0.45f));
    ink(c, closedPath({{3, 1}, {fw - 3, 1}, {fw - 3, 24}, {fw - 8, 28}, {8, 28}, {3, 24}}), 3.0f, seed + 5);
    Mask deck(w, h);
    deck.capsule({2, 1.2f}, {fw - 2, 1.2f}, 1.6f, 1.6f);
    c.paint(deck, kInk);
    Mask bolts(w, h);
    for (float x : {12.0f, fw - 12})
        bolts.ellipse({x, 14}, 2.4f, 2.4f);
    if (marks == Marks::Up || marks == Marks::Down) chevrons(bolts, fw, marks == Marks::Up);
    if (marks == Marks::BothWays) {
        const float mx = fw / 2;
        bolts.stroke({{mx - 8, 12}, {mx - 4, 7}, {mx, 12}}, 0.9f);
        bolts.stroke({{mx, 16}, {mx + 4, 21}, {mx + 8, 16}}, 0.9f);
    }
    c.paint(bolts, kInk);
    return c;
}

// A stubby graphite peg, drawn as the pencil terrain is: soft grey, cross-hatched, a loose
// doubled outline; wide enough not to pass for one of the thin ink posts.
Canvas pencilPeg(int h, std::uint32_t seed) {
    const int w = 28;
    Canvas c(w, h);
    const float fh = static_cast<float>(h);
    const Path outline{{4, 9}, {9, 3}, {16, 1}, {23, 4}, {25, 10}, {25, fh - 3}, {3, fh - 3}};
    Mask body(w, h);
    body.fill(outline);
    c.paint(body, {158, 158, 166, 0.75f}, Grain{5, 0.2f, seed});
    hatch(c, body, -0.8f, 5, 1.4f, kGraphite.withAlpha(0.35f), seed + 1);
    hatch(c, body, 0.6f, 8, 1.1f, kGraphite.withAlpha(0.25f), seed + 3);
    pencil(c, closedPath(outline), 2.6f, kGraphite, seed + 2);
    return c;
}

Canvas inkPost(int h, std::uint32_t seed) {
    const int w = 14;
    Canvas c(w, h);
    const float fh = static_cast<float>(h);
    Mask body(w, h);
    body.fill({{2, 0}, {12, 0}, {12, fh - 1}, {2, fh - 1}});
    c.paint(body, {252, 250, 244, 1});
    hatch(c, body, -1.05f, 5, 1.2f, kInk.withAlpha(0.85f), seed);
    ink(c, {{2.5f, 0}, {2.5f, fh - 1}, {11.5f, fh - 1}, {11.5f, 0}}, 3.0f, seed + 1);
    return c;
}

}  // namespace

void addPlatformPieces(PictureSet& set) {
    add(set, "Content/Level/ferry.png", flushPlank(200, kOchreWash, Marks::None, 700));
    add(set, "Content/Level/lift.png", flushPlank(140, {150, 160, 175, 1}, Marks::BothWays, 703));
    // Up and down lifts apart by colour as well as by their marks: sky for up, rust for down.
    add(set, "Content/Level/lift_up.png", flushPlank(140, {110, 170, 205, 1}, Marks::Up, 704));
    add(set, "Content/Level/lift_down.png", flushPlank(140, {200, 96, 64, 1}, Marks::Down, 705));
    add(set, "Content/Level/pencil_peg.png", pencilPeg(70, 701));
    add(set, "Content/Level/ink_post.png", inkPost(240, 702));
}
