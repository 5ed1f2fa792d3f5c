#include <cmath>

#include "pictures/Backdrop.h"
#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"
#include "pictures/Strokes.h"

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

}  // namespace

void addMeadowSetting(PictureSet& set) {
    add(set, "Content/Level/meadow_backdrop.png", meadowBackdrop());
    add(set, "Content/Level/meadow_sun.png", sun());
    add(set, "Content/Level/meadow_fence.png", fence());
}
