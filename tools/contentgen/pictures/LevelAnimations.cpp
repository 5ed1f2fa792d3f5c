#include <cmath>

#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

// The animated level objects, each a strip of equal frames: the door (opening row, then
// closing row, played backwards), the checkpoint flag and the key breaking apart.
namespace {

using namespace strokes;

constexpr int kDoorW = 101, kDoorH = 140;

Path archOutline(float left, float right, float top, float bottom, float springY) {
    Path p{{left, bottom}, {left, springY}};
    const Path arch = curve({left, springY}, {(left + right) / 2, top - (springY - top)}, {right, springY}, 16);
    p.insert(p.end(), arch.begin() + 1, arch.end());
    p.push_back({right, bottom});
    return p;
}

// The door `openness` of the way open (0 closed, 1 wide open), drawn into a frame.
void drawDoor(Canvas& c, int ox, float openness, bool closing) {
    Canvas d(kDoorW, kDoorH);
    const Path frameOuter = archOutline(3, 98, 3, 140, 42);
    const Path doorway = archOutline(13, 88, 14, 140, 44);
    Mask stone(kDoorW, kDoorH), hole(kDoorW, kDoorH);
    stone.fill(frameOuter);
    hole.fill(doorway);
    d.paint(stone, kPaper);
    d.paint(stone, {170, 165, 160, 0.55f}, Grain{10, 0.5f, 200});
    d.paint(hole, {52, 48, 62, 1}, Grain{12, 0.15f, 201});
    // Stones of the frame.
    for (int i = 0; i < 5; ++i) {
        const float y = 130 - 24.0f * i;
        ink(d, {{3, y}, {13, y - 2}}, 1.6f, 210u + i);
        ink(d, {{88, y - 3}, {98, y - 1}}, 1.6f, 220u + i);
    }
    // The panel swings on its left hinge; its free edge comes towards us, so it grows taller.
    const float angle = openness * 1.35f;
    const float squash = std::cos(angle), grow = 0.1f * std::sin(angle);
    auto swing = [&](Vec2 p) {
        const float u = (p.x - 13) / 75;
        return Vec2{13 + (p.x - 13) * squash, 140 + (p.y - 140) * (1 + grow * u) - 6 * grow * u};
    };
    Path panel;
    for (const Vec2& p : strokes::resampled(doorway, 4)) panel.push_back(swing(p));
    Mask wood(kDoorW, kDoorH);
    wood.fill(panel);
    d.paint(wood, kPaper);
    d.paint(wood, {190, 130, 70, 0.8f}, Grain{9, 0.35f, 230});
    for (int i = 1; i < 4; ++i) {
        const float x = 13 + 75.0f * i / 4;
        ink(d, {swing({x, 30}), swing({x, 138})}, 1.3f, 240u + i, kInk.withAlpha(0.7f));
    }
    ink(d, {swing({14, 60}), swing({60, 60})}, 3.0f, 250);
    ink(d, {swing({14, 112}), swing({60, 112})}, 3.0f, 251);
    Mask handle(kDoorW, kDoorH);
    const Vec2 knob = swing({76, 92});
    handle.ellipse(knob, 3.5f * squash + 1.5f, 4.5f);
    d.paint(handle, kInk);
    Path edge = panel;
    edge.push_back(panel.front());
    ink(d, edge, 2.4f, 260);
    Path outer = frameOuter;
    ink(d, outer, 3.2f, 261);
    ink(d, doorway, 2.2f, 262);
    if (openness > 0 && openness < 1) {
        // Swish marks behind the moving edge.
        const float dirSign = closing ? 1.0f : -1.0f;
        for (int i = 0; i < 3; ++i) {
            const float y = 55 + 25.0f * i;
            const Vec2 tip = swing({88, y});
            pencil(d, {tip + Vec2{4 * dirSign, 0}, tip + Vec2{16 * dirSign, -3}}, 1.4f, kGraphite.withAlpha(0.5f), 270u + i, false);
        }
    }
    c.draw(d, ox, 0);
}

Canvas doorStrip() {
    Canvas strip(kDoorW * 5, kDoorH * 2);
    for (int k = 0; k < 5; ++k) {
        Canvas opening(kDoorW, kDoorH), closing(kDoorW, kDoorH);
        drawDoor(opening, 0, k / 4.0f, false);
        drawDoor(closing, 0, k / 4.0f, true);
        strip.draw(opening, k * kDoorW, 0);
        strip.draw(closing, k * kDoorW, kDoorH);
    }
    return strip;
}

Canvas closedDoor() {
    Canvas c(kDoorW, kDoorH);
    drawDoor(c, 0, 0, false);
    return c;
}

constexpr int kFlagW = 140, kFlagH = 400, kFlagFrames = 14;

void drawCheckpoint(Canvas& c, int ox, float phase) {
    Canvas f(kFlagW, kFlagH);
    wash(f, {{38, 399}, {44, 384}, {70, 376}, {98, 385}, {104, 399}}, {150, 150, 150, 1}, 300);
    pencil(f, {{36, 398}, {46, 384}, {70, 376}, {96, 384}, {106, 398}}, 2.2f, kGraphite, 301);
    Mask pole(kFlagW, kFlagH);
    pole.capsule({70, 168}, {70, 390}, 3.2f, 3.6f);
    f.paint(pole, kInk);
    Mask poleWood(kFlagW, kFlagH);
    poleWood.capsule({69.5f, 170}, {69.5f, 388}, 1.4f, 1.6f);
    f.paint(poleWood, kOchreWash);
    Mask knob(kFlagW, kFlagH);
    knob.ellipse({70, 164}, 6, 6);
    f.paint(knob, kInk);
    // The cloth: a travelling wave that grows towards the free end.
    Path top, bottom;
    for (int i = 0; i <= 20; ++i) {
        const float u = i / 20.0f, x = 73 + 62 * u;
        const float wave = 7 * u * std::sin(2 * kPi * phase - u * 5.5f);
        top.push_back({x, 172 + wave + 3 * u});
        bottom.push_back({x, 212 + wave - 6 * u});
    }
    Path cloth = top;
    cloth.insert(cloth.end(), bottom.rbegin(), bottom.rend());
    wash(f, cloth, kLeafWash, 310);
    Mask body(kFlagW, kFlagH);
    body.fill(cloth);
    f.paint(body, kLeafWash.withAlpha(0.6f), Grain{8, 0.4f, 311});
    Path edge = cloth;
    edge.push_back(cloth.front());
    pencil(f, edge, 1.8f, kGraphite, 312, false);
    for (int k = 1; k < 3; ++k) {
        Path fold;
        for (size_t i = 2; i < top.size(); ++i) fold.push_back(lerp(top[i], bottom[i], k / 3.0f));
        pencil(f, fold, 1.0f, kGraphite.withAlpha(0.35f), 313u + k, false);
    }
    c.draw(f, ox, 0);
}

Canvas checkpointStrip() {
    Canvas strip(kFlagW * kFlagFrames, kFlagH);
    for (int k = 0; k < kFlagFrames; ++k) drawCheckpoint(strip, k * kFlagW, static_cast<float>(k) / kFlagFrames);
    return strip;
}

Canvas checkpointStill() {
    Canvas c(kFlagW, kFlagH);
    drawCheckpoint(c, 0, 0);
    return c;
}

Canvas keyDestroyStrip() {
    constexpr int kSize = 150, kFrames = 6;
    Canvas strip(kSize * kFrames, kSize);
    const Vec2 centre{60, 80};
    for (int k = 0; k < kFrames; ++k) {
        Canvas f(kSize, kSize);
        const float t = k / 5.0f, fade = 1 - 0.8f * t;
        // A puff of rubbed graphite that spreads and thins out.
        for (int i = 0; i < 7; ++i) {
            const float a = 2 * kPi * i / 7 + 0.4f;
            const Vec2 p = centre + downAngle(a) * (14 + 44 * t);
            Path curl = strokes::wobbled(ellipsePath(p, 12 + 12 * t, 10 + 9 * t, 20), 3, 405u + i, 12);
            curl.push_back(curl.front());
            pencil(f, curl, 1.6f, kGraphite.withAlpha(0.55f * fade), 400u + i * 10 + k, false);
        }
        // Burst lines early, brass shards all along.
        if (k < 3) {
            for (int i = 0; i < 8; ++i) {
                const Vec2 dir = downAngle(2 * kPi * i / 8);
                ink(f, {centre + dir * (10 + 30 * t), centre + dir * (28 + 45 * t)}, 2.6f - 0.6f * k, 430u + i);
            }
        }
        for (int i = 0; i < 7; ++i) {
            const float a = 2 * kPi * i / 7 + 0.9f;
            const Vec2 p = centre + downAngle(a) * (6 + 60 * t) + Vec2{0, 30 * t * t};
            const Vec2 along = downAngle(a + 2.5f * t + i) * 5;
            Mask shard(kSize, kSize);
            shard.capsule(p - along, p + along, 3, 2);
            f.paint(shard, kInk.withAlpha(fade));
            Mask brass(kSize, kSize);
            brass.capsule(p - along, p + along, 1.6f, 0.9f);
            f.paint(brass, Paint{226, 176, 70, fade});
        }
        strip.draw(f, k * kSize, 0);
    }
    return strip;
}

}  // namespace

void addLevelAnimations(PictureSet& set) {
    add(set, "door_animation.png", doorStrip());
    add(set, "Content/Level/door.png", closedDoor());
    add(set, "checkpoint_animation.png", checkpointStrip());
    add(set, "Content/Level/checkpoint.png", checkpointStill());
    add(set, "key_destroy.png", keyDestroyStrip());
}
