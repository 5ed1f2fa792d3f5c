#include <cmath>

#include "pictures/Backdrop.h"
#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"
#include "pictures/Strokes.h"
#include "pictures/TerrainPiece.h"

// Level 1, a meadow at morning: pale far hills in the haze, green near ones with hedges,
// the sun low over them and a fence along the path.
namespace {

using namespace strokes;
using backdrop::periodic;

constexpr float kWidth = 2048;

Canvas meadowBackdrop() {
    Canvas c(2048, 520);
    backdrop::band(c, [](float x) { return 250 + 45 * periodic(x, kWidth, 801u); }, {176, 200, 214, 0.5f},
                   kLightGraphite.withAlpha(0.6f), 802u);
    for (int i = 0; i < 9; ++i) {
        const float x = (i + 0.3f * noise::hash(i, 1, 803u)) * kWidth / 9;
        const float y = 350 + 55 * periodic(x, kWidth, 804u);
        backdrop::wrapped(c, x, 70, [&](float cx) { scenery::bush(c, {cx, y + 6}, 90 + 40 * noise::hash(i, 2, 803u), 810u + i); });
    }
    backdrop::band(c, [](float x) { return 360 + 55 * periodic(x, kWidth, 804u); }, {160, 200, 128, 0.55f},
                   kGraphite.withAlpha(0.6f), 805u);
    backdrop::band(c, [](float x) { return 440 + 30 * periodic(x, kWidth, 806u); }, {138, 184, 104, 0.5f},
                   kGraphite.withAlpha(0.5f), 807u);
    Mask mist(2048, 520);  // a morning haze lying in the hollows
    for (int y = 0; y < 520; ++y)
        for (int x = 0; x < 2048; ++x) {
            const float d = (y - 330.0f) / 40;
            mist.raise(x, y, std::exp(-d * d) * (0.6f + 0.4f * periodic(x, kWidth, 808u)));
        }
    c.paint(mist, {255, 252, 240, 0.35f});
    return c;
}

Canvas sun() {
    Canvas c(300, 300);
    softSpot(c, {150, 150}, 150, {255, 226, 150, 0.45f});
    wash(c, ellipsePath({150, 150}, 62, 62), {246, 196, 96, 0.8f}, 820);
    pencil(c, [] {
        Path p = ellipsePath({150, 150}, 64, 64);
        p.push_back(p.front());
        return p;
    }(), 1.8f, {190, 130, 60, 0.8f}, 821);
    for (int i = 0; i < 14; ++i) {
        const Vec2 d = downAngle(2 * kPi * i / 14);
        pencil(c, {Vec2{150, 150} + d * 80, Vec2{150, 150} + d * (100 + 25 * noise::hash(i, 0, 822u))}, 1.6f,
               {200, 140, 60, 0.7f}, 823u + i, false);
    }
    return c;
}

Canvas fence() {
    Canvas c(420, 120);
    const Paint wood{166, 124, 84, 0.9f};
    for (int i = 0; i < 4; ++i) {
        const float x = 30 + 120.0f * i, lean = 4 * noise::wobble(i * 0.7f, 830u);
        const Path post{{x - 7, 116}, {x - 6 + lean, 14}, {x + 6 + lean, 12}, {x + 7, 116}};
        wash(c, post, wood, 831u + i);
        pencil(c, {post[0], post[1], post[2], post[3]}, 2.0f, kGraphite, 835u + i);
    }
    for (float y : {42.0f, 78.0f}) {
        const Path rail{{10, y}, {410, y + 6}, {410, y + 16}, {10, y + 10}};
        wash(c, rail, wood, 840u + static_cast<std::uint32_t>(y));
        pencil(c, {rail[0], rail[1]}, 1.8f, kGraphite, 842u + static_cast<std::uint32_t>(y));
        pencil(c, {rail[3], rail[2]}, 1.6f, kGraphite.withAlpha(0.8f), 844u + static_cast<std::uint32_t>(y));
    }
    return c;
}

// The gatehouse over the meadow gate: a lintel with a raised lip left of the key's slot, and right of it a slab
// with a tower whose face turns a thrown boomerang home. The slot between the two is too
// deep to throw into from the ground; only a boomerang coming home along the slab drops in.
terrain::Shape gateLintel() {
    Path outline = terrain::groundLine(0, 40, 52, 1201u);
    outline.insert(outline.end(), {{46, 30}, {52, 3}, {78, 2}, {79, 130}, {1, 130}});
    return {"meadow_gate_lintel", 80, 132, outline};
}

terrain::Shape gateTower() {
    Path outline = terrain::groundLine(0, 30, 252, 1202u);
    outline.insert(outline.end(), {{32, 236}, {38, 40}, {64, 6}, {118, 2}, {164, 10}, {182, 60}, {190, 250},
                                   {318, 252}, {318, 330}, {0, 330}});
    return {"meadow_gate_tower", 320, 332, outline};
}

// A stepping stone across the gully, a hop wide.
terrain::Shape steppingStone() {
    return {"meadow_stepping_stone", 160, 70,
            {{2, 18}, {30, 8}, {80, 4}, {130, 8}, {158, 18}, {154, 36}, {130, 56}, {80, 66}, {34, 56}, {6, 36}}};
}

// The rubbable shelf the key rests on, a little wider than the slot so it hangs on its lips.
Canvas keyShelf() {
    Canvas c(48, 16);
    const Path board{{1, 3}, {47, 2}, {46, 13}, {2, 14}};
    Mask body(48, 16);
    body.fill(board);
    c.paint(body, {150, 150, 160, 0.8f}, Grain{4, 0.3f, 1210u});
    hatch(c, body, -0.8f, 4, 1.2f, kGraphite.withAlpha(0.6f), 1211u);
    Path ring = board;
    ring.push_back(board.front());
    pencil(c, ring, 2.2f, kGraphite, 1212u);
    return c;
}

// A card by the gatehouse: thrown at the tower, the boomerang comes home along the slab,
// down the slot through the pencil shelf, and the key drops onto the gate.
Canvas bankSign() {
    constexpr int w = 240, h = 230;
    Canvas c(w, h);
    const Paint wood{166, 124, 84, 0.9f};
    Mask post(w, h);
    post.capsule({120, 150}, {121, 228}, 6, 6);
    c.paint(post, wood);
    pencil(c, {{114, 152}, {115, 228}}, 1.6f, kGraphite, 1250u, false);
    const Path frame{{6, 8}, {234, 4}, {236, 166}, {4, 170}};
    const Path card{{14, 16}, {226, 12}, {228, 158}, {12, 162}};
    Mask frameMask(w, h), cardMask(w, h);
    frameMask.fill(frame);
    cardMask.fill(card);
    c.paint(frameMask, wood, Grain{6, 0.3f, 1248u});
    c.paint(cardMask, kPaper);
    pencil(c, closed(frame), 1.8f, kGraphite, 1249u);
    pencil(c, closed(card), 1.4f, kGraphite.withAlpha(0.7f), 1251u);

    const auto block = [&](const Path& outline, std::uint32_t seed) {
        Mask m(w, h);
        m.fill(outline);
        c.paint(m, {252, 250, 244, 1});
        hatch(c, m, -1.05f, 4, 1.0f, kInk.withAlpha(0.8f), seed);
        ink(c, closed(outline), 2.4f, seed + 1);
    };
    block({{60, 96}, {112, 96}, {112, 108}, {60, 108}}, 1252u);                       // lintel
    block({{126, 96}, {214, 96}, {214, 108}, {126, 108}}, 1254u);                     // slab
    block({{160, 36}, {196, 34}, {200, 96}, {158, 96}}, 1256u);                       // tower
    Mask gate(w, h);
    gate.fill({{106, 110}, {132, 110}, {132, 146}, {106, 146}});
    c.paint(gate, {176, 120, 70, 0.9f});
    ink(c, closed({{106, 110}, {132, 110}, {132, 146}, {106, 146}}), 2.0f, 1258u);
    pencil(c, {{24, 148}, {220, 146}}, 2.0f, kGraphite, 1259u);  // the ground
    Mask shelf(w, h);
    shelf.capsule({110, 104}, {128, 104}, 2, 2);
    c.paint(shelf, kLightGraphite);
    Mask key(w, h);
    key.ellipse({119, 86}, 4.5f, 4.5f);
    key.capsule({119, 90}, {119, 101}, 1.6f, 1.6f);
    c.paint(key, {226, 176, 70, 1});

    // Out in dashes to the tower's face; home in one stroke along the slab and down the slot.
    const Path out = curve({34, 120}, {80, 40}, {156, 58}, 12);
    for (size_t i = 0; i + 1 < out.size(); i += 2) pencil(c, {out[i], out[i + 1]}, 2.0f, kGraphite, 1260u + static_cast<std::uint32_t>(i), false);
    const Path home{{156, 72}, {150, 90}, {136, 92}, {119, 92}, {119, 128}};
    pencil(c, home, 2.0f, kScarfRed, 1270u, false);
    pencil(c, {{113, 120}, {119, 130}, {125, 120}}, 2.2f, kScarfRed, 1271u, false);
    Mask thrower(w, h);
    thrower.ellipse({30, 126}, 5, 5);
    thrower.capsule({30, 131}, {30, 146}, 3, 3);
    c.paint(thrower, kInk);
    return c;
}

}  // namespace

void addMeadowSetting(PictureSet& set) {
    add(set, "Content/Level/meadow_backdrop.png", meadowBackdrop());
    add(set, "Content/Level/meadow_sun.png", sun());
    add(set, "Content/Level/meadow_fence.png", fence());
    add(set, "Content/Level/meadow_gate_lintel.png", terrain::drawPiece(gateLintel(), terrain::Material::Ink, 1220u));
    add(set, "Content/Level/meadow_gate_tower.png", terrain::drawPiece(gateTower(), terrain::Material::Ink, 1230u));
    add(set, "Content/Level/meadow_key_shelf.png", keyShelf());
    add(set, "Content/Level/meadow_sign_bank.png", bankSign());
    add(set, "Content/Level/meadow_stepping_stone.png",
        terrain::drawPiece(steppingStone(), terrain::Material::Ink, 1240u));
}
