#include <cmath>
#include <string>

#include "pictures/Noise.h"
#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"
#include "pictures/Strokes.h"

// The long picture book the scarf ball flies through: a valley, a pencil forest it rubs out,
// ink mountains it cannot touch, a storm of pencil clouds, and the sea at sunrise.
namespace {

using namespace strokes;

Path closedPath(Path p) {
    p.push_back(p.front());
    return p;
}

// A fir drawn in graphite: a trunk and tiers of drooping boughs, shaded on the right.
Canvas pencilFir(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    const float cx = w * 0.5f, base = h - 6.0f, top = 10;
    pencil(c, {{cx - 3, base}, {cx - 1, top + 40}}, 5, kGraphite, seed);
    pencil(c, {{cx + 4, base}, {cx + 2, top + 40}}, 4, kGraphite, seed + 1);
    const int tiers = 7;
    for (int i = 0; i < tiers; ++i) {
        const float t = static_cast<float>(i) / (tiers - 1);
        const float y = lerp(top + 20, base - 70, t);
        const float half = lerp(w * 0.14f, w * 0.46f, t) * (0.9f + 0.2f * noise::hash(i, 1, seed));
        const float drop = 34 + 30 * t;
        const Path left = curve({cx, y - 24}, {cx - half * 0.5f, y + drop * 0.2f}, {cx - half, y + drop}, 14);
        const Path right = curve({cx, y - 24}, {cx + half * 0.5f, y + drop * 0.2f}, {cx + half, y + drop}, 14);
        Path body = left;
        for (int k = 0; k <= 8; ++k) {  // a ragged hem of needles
            const float u = k / 8.0f;
            body.push_back({cx - half + 2 * half * u, y + drop - 6 - 8 * noise::hash(k, i, seed + 2)});
        }
        for (auto it = right.rbegin(); it != right.rend(); ++it) body.push_back(*it);
        Mask m(w, h);
        m.fill(body);
        c.paint(m, {150, 152, 160, 0.55f}, Grain{5, 0.3f, seed + 3u + i});
        Mask shade(w, h);
        shade.fill({{cx, y - 24}, {cx + half, y + drop}, {cx + half * 0.2f, y + drop}});
        shade.clip(m);
        hatch(c, shade, -0.9f, 6, 1.4f, kGraphite.withAlpha(0.55f), seed + 10u + i);
        pencil(c, left, 2.4f, kGraphite, seed + 20u + i);
        pencil(c, right, 2.4f, kGraphite, seed + 30u + i);
    }
    return c;
}

// A round-crowned tree in pencil only: scribbled loops over a forked trunk.
Canvas pencilOak(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    const float cx = w * 0.5f, base = h - 6.0f;
    const Path trunk{{cx - 14, base}, {cx - 8, base - h * 0.3f}, {cx - 5, base - h * 0.5f}, {cx + 5, base - h * 0.5f},
                     {cx + 8, base - h * 0.3f}, {cx + 16, base}};
    Mask bark(w, h);
    bark.fill(trunk);
    c.paint(bark, {140, 140, 148, 0.5f}, Grain{4, 0.3f, seed});
    pencil(c, {trunk[0], trunk[1], trunk[2]}, 2.6f, kGraphite, seed + 1);
    pencil(c, {trunk[3], trunk[4], trunk[5]}, 2.6f, kGraphite, seed + 2);
    const Vec2 crown{cx, h * 0.36f};
    Mask leaves(w, h);
    for (int i = 0; i < 9; ++i) {
        const float a = 2 * kPi * i / 9;
        leaves.ellipse(crown + Vec2{std::cos(a) * w * 0.25f, std::sin(a) * h * 0.15f}, w * 0.2f, h * 0.13f);
    }
    leaves.ellipse(crown, w * 0.3f, h * 0.2f);
    c.paint(leaves, {160, 162, 170, 0.45f}, Grain{7, 0.5f, seed + 3});
    hatch(c, leaves, 0.7f, 9, 1.3f, kGraphite.withAlpha(0.35f), seed + 4);
    for (int i = 0; i < 14; ++i) {
        const float a = 2 * kPi * i / 14 + 0.2f * noise::hash(i, 0, seed);
        const Vec2 p = crown + Vec2{std::cos(a) * w * 0.38f, std::sin(a) * h * 0.25f};
        pencil(c, curve(p + downAngle(a + 1.3f) * 34, p + downAngle(a + 2.2f) * 30, p + downAngle(a + 3.4f) * 34, 12), 2.2f,
               kGraphite, seed + 10u + i);
    }
    return c;
}

Canvas pencilCottage(std::uint32_t seed) {
    Canvas c(340, 320);
    const Path walls{{60, 140}, {280, 140}, {280, 300}, {60, 300}};
    Mask wall(340, 320);
    wall.fill(walls);
    c.paint(wall, {236, 232, 222, 1});
    hatch(c, wall, 0.15f, 14, 1.0f, kLightGraphite.withAlpha(0.5f), seed);
    const Path roof{{36, 146}, {170, 40}, {304, 146}};
    Mask tiles(340, 320);
    tiles.fill(roof);
    c.paint(tiles, {150, 150, 160, 0.6f}, Grain{5, 0.3f, seed + 1});
    hatch(c, tiles, -0.6f, 7, 1.5f, kGraphite.withAlpha(0.6f), seed + 2);
    pencil(c, roof, 3.2f, kGraphite, seed + 3);
    pencil(c, closedPath(walls), 2.6f, kGraphite, seed + 4);
    pencil(c, {{220, 80}, {220, 30}, {250, 30}, {250, 104}}, 2.4f, kGraphite, seed + 5);
    for (int i = 0; i < 3; ++i) {  // smoke curling off with the wind
        const float y = 20.0f - 6 * i;
        pencil(c, curve({236.0f + 28 * i, y}, {256.0f + 28 * i, y - 22}, {280.0f + 30 * i, y - 4}, 10), 1.6f,
               kLightGraphite.withAlpha(0.8f), seed + 6u + i, false);
    }
    const Path door{{150, 300}, {150, 220}, {190, 220}, {190, 300}};
    pencil(c, door, 2.2f, kGraphite, seed + 10);
    for (float x : {84.0f, 216.0f}) {
        const Path window{{x, 180}, {x + 40, 180}, {x + 40, 220}, {x, 220}};
        Mask glass(340, 320);
        glass.fill(window);
        c.paint(glass, kSkyWash.withAlpha(0.5f), Grain{6, 0.3f, seed + 11});
        pencil(c, closedPath(window), 2.0f, kGraphite, seed + 12);
        pencil(c, {{x + 20, 180}, {x + 20, 220}}, 1.4f, kGraphite, seed + 13, false);
    }
    return c;
}

// A loose flock of pencil birds.
Canvas pencilBirds(int w, int h, int count, std::uint32_t seed) {
    Canvas c(w, h);
    for (int i = 0; i < count; ++i) {
        const Vec2 p{30 + (w - 60) * noise::hash(i, 1, seed), 20 + (h - 40) * noise::hash(i, 2, seed)};
        const float s = 14 + 10 * noise::hash(i, 3, seed);
        pencil(c, curve(p + Vec2{-s, -s * 0.2f}, p + Vec2{-s * 0.5f, -s * 0.7f}, p, 8), 2.2f, kGraphite, seed + 10u + i, false);
        pencil(c, curve(p, p + Vec2{s * 0.5f, -s * 0.7f}, p + Vec2{s, -s * 0.2f}, 8), 2.2f, kGraphite, seed + 40u + i, false);
    }
    return c;
}

// A range of ink peaks on white paper, hatched on the side away from the morning.
Canvas inkMountains(int w, int h, int peaks, std::uint32_t seed) {
    Canvas c(w, h);
    Path ridge{{0, static_cast<float>(h)}};
    for (int i = 0; i <= peaks * 2; ++i) {
        const float x = w * static_cast<float>(i) / (peaks * 2);
        const bool peak = i % 2 == 1;
        const float y = peak ? h * (0.08f + 0.3f * noise::hash(i, 1, seed)) : h * (0.45f + 0.25f * noise::hash(i, 2, seed));
        ridge.push_back({x, (i == 0 || i == peaks * 2) ? h * 0.75f : y});
    }
    ridge.push_back({static_cast<float>(w), static_cast<float>(h)});
    const Path line = wobbled(Path(ridge.begin() + 1, ridge.end() - 1), 6, seed + 3, 70);
    Path body = line;
    body.push_back({static_cast<float>(w), static_cast<float>(h)});
    body.push_back({0, static_cast<float>(h)});
    Mask rock(w, h);
    rock.fill(body);
    c.paint(rock, {252, 250, 244, 1});
    for (int i = 1; i < peaks * 2; i += 2) {
        const Vec2 top = ridge[i + 1], right = ridge[i + 2];
        Mask shade(w, h);
        shade.fill({top, right, {right.x, static_cast<float>(h)}, {lerp(top.x, right.x, 0.45f), static_cast<float>(h)}});
        shade.clip(rock);
        hatch(c, shade, -1.1f, 7, 1.6f, kInk.withAlpha(0.9f), seed + 10u + i);
        Mask snow(w, h);  // a cap left white, edged in a few quick lines
        const Vec2 l = lerp(top, ridge[i], 0.22f), r = lerp(top, right, 0.22f);
        snow.fill({top, r, lerp(l, r, 0.7f) + Vec2{0, 14}, lerp(l, r, 0.35f) + Vec2{0, 4}, l});
        c.paint(snow, {250, 252, 255, 1});
        ink(c, {l, lerp(l, r, 0.35f) + Vec2{0, 4}, lerp(l, r, 0.7f) + Vec2{0, 14}, r}, 2.2f, seed + 30u + i);
        ink(c, {top, lerp(top, right, 0.5f) + Vec2{-10, 30}, lerp(top, right, 0.8f) + Vec2{-6, 60}}, 2.4f, seed + 50u + i);
    }
    ink(c, line, 6, seed + 4);
    return c;
}

// A heavy graphite storm cloud trailing slanted rain.
Canvas stormCloud(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    const float belly = h * 0.55f;
    Mask body(w, h);
    for (int i = 0; i < 8; ++i) {
        const float u = (i + 0.5f) / 8, dome = std::sin(kPi * u);
        const float r = w * (0.07f + 0.06f * dome) * (0.85f + 0.3f * noise::hash(i, 4, seed));
        body.ellipse({w * (0.1f + 0.8f * u), belly - h * 0.3f * dome}, r, r * 0.85f);
    }
    for (int i = 0; i < 6; ++i) body.ellipse({w * (0.2f + 0.12f * i), belly - 16}, w * 0.1f, 24);
    c.paint(body, {110, 112, 124, 0.7f}, Grain{12, 0.4f, seed});
    hatch(c, body, -0.5f, 6, 1.4f, kGraphite.withAlpha(0.5f), seed + 1);
    hatch(c, body, 0.4f, 11, 1.1f, kGraphite.withAlpha(0.3f), seed + 2);
    Path top;
    const IntBox box = body.bounds();
    for (int x = box.left; x < box.right; x += 4) {
        int y = box.top;
        while (y < box.bottom && body.at(x, y) < 0.5f) ++y;
        if (y < belly - 4) top.push_back({static_cast<float>(x), static_cast<float>(y)});
    }
    pencil(c, top, 3.0f, kGraphite, seed + 3);
    for (int i = 0; i < 26; ++i) {
        const float x = w * (0.14f + 0.72f * noise::hash(i, 5, seed));
        const float y = belly + 14 + 30 * noise::hash(i, 6, seed);
        const float len = 60 + (h - belly - 80) * noise::hash(i, 7, seed);
        pencil(c, {{x, y}, {x - len * 0.35f, y + len}}, 1.8f, kGraphite.withAlpha(0.8f), seed + 10u + i, false);
    }
    return c;
}

Canvas inkLightning(std::uint32_t seed) {
    Canvas c(180, 460);
    Path bolt{{110, 6}};
    float x = 110;
    for (int i = 1; i <= 7; ++i) {
        x += (i % 2 ? -1.0f : 1.0f) * (22 + 20 * noise::hash(i, 1, seed));
        bolt.push_back({x, 6 + 64.0f * i});
    }
    Mask glow(180, 460);
    glow.stroke(bolt, 14);
    c.paint(glow, {255, 226, 120, 0.45f});
    ink(c, bolt, 7, seed + 1);
    ink(c, {bolt[3], bolt[3] + Vec2{46, 50}, bolt[3] + Vec2{60, 96}}, 3.5f, seed + 2);
    return c;
}

// A band of sea: ink wave crests over a grey-blue wash.
Canvas inkSea(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    Path surface;
    for (float x = 0; x <= w; x += 6) surface.push_back({x, 40 + 10 * std::sin(x / 70) + 6 * noise::wobble(x / 200, seed)});
    Path water = surface;
    water.push_back({static_cast<float>(w), static_cast<float>(h)});
    water.push_back({0, static_cast<float>(h)});
    wash(c, water, {120, 160, 190, 0.7f}, seed + 1);
    ink(c, surface, 5, seed + 2);
    for (int row = 0; row < 4; ++row) {
        const float y = 90.0f + 45 * row;
        for (float x = 40 + 90 * noise::hash(row, 0, seed); x < w - 80; x += 150 + 60 * noise::hash(static_cast<int>(x), row, seed)) {
            ink(c, curve({x, y}, {x + 30, y - 22}, {x + 60, y}, 10), 3, seed + 10u + static_cast<std::uint32_t>(x));
        }
    }
    return c;
}

// The end of the night: a low sun in watercolour with pencil rays.
Canvas sunrise(std::uint32_t seed) {
    const int w = 1600, h = 1000;
    Canvas c(w, h);
    const Vec2 sun{800, 760};
    softSpot(c, sun, 760, {255, 206, 150, 0.5f});
    softSpot(c, sun, 460, {255, 178, 110, 0.45f});
    for (int i = 0; i < 22; ++i) {
        const float a = kPi * (1.05f + 0.9f * i / 21);
        const Vec2 dir{std::cos(a), std::sin(a)};
        pencil(c, {sun + dir * 250, sun + dir * (420 + 140 * noise::hash(i, 1, seed))}, 2.2f, {200, 140, 70, 0.6f}, seed + i, false);
    }
    wash(c, ellipsePath(sun, 200, 200, 60), {246, 160, 70, 0.9f}, seed + 40);
    wash(c, ellipsePath(sun, 160, 160, 60), {252, 200, 90, 0.8f}, seed + 41);
    pencil(c, closedPath(ellipsePath(sun, 202, 202, 60)), 2.6f, {170, 100, 50, 0.8f}, seed + 42);
    return c;
}

// The valley the ball leaves: rolling washed hills with a river winding off.
Canvas valley(std::uint32_t seed) {
    const int w = 2400, h = 620;
    Canvas c(w, h);
    scenery::hill(c, 0, w, 160, 120, {170, 200, 150, 0.4f}, seed);
    scenery::hill(c, 0, w, 300, 90, {140, 184, 120, 0.5f}, seed + 10);
    Path river;
    for (float y = 330; y <= h; y += 10) river.push_back({700 + 260 * std::sin(y / 90) + (y - 330) * 0.8f, y});
    Path banks = river;
    for (auto it = river.rbegin(); it != river.rend(); ++it) banks.push_back(*it + Vec2{20 + (it->y - 330) * 0.3f, 0});
    wash(c, banks, kSkyWash.withAlpha(0.7f), seed + 20);
    pencil(c, river, 1.6f, kGraphite.withAlpha(0.6f), seed + 21);
    for (int i = 0; i < 14; ++i)
        scenery::grassTuft(c, {120.0f + 165 * i, 560.0f + 30 * noise::hash(i, 1, seed)}, 60, 34, seed + 30u + i);
    return c;
}

}  // namespace

void addFlightScenery(PictureSet& set) {
    const std::string dir = "Content/Level/";
    add(set, dir + "flight_valley.png", valley(710));
    add(set, dir + "flight_cottage.png", pencilCottage(720));
    add(set, dir + "flight_fir_tall.png", pencilFir(300, 760, 730));
    add(set, dir + "flight_fir_small.png", pencilFir(220, 480, 740));
    add(set, dir + "flight_oak.png", pencilOak(380, 520, 750));
    add(set, dir + "flight_birds.png", pencilBirds(520, 240, 9, 760));
    add(set, dir + "flight_mountains_high.png", inkMountains(1800, 900, 3, 770));
    add(set, dir + "flight_mountains_low.png", inkMountains(1400, 560, 4, 780));
    add(set, dir + "flight_storm_cloud.png", stormCloud(760, 520, 790));
    add(set, dir + "flight_storm_cloud_small.png", stormCloud(460, 380, 800));
    add(set, dir + "flight_lightning.png", inkLightning(810));
    add(set, dir + "flight_sea.png", inkSea(2000, 260, 820));
    add(set, dir + "flight_sunrise.png", sunrise(830));
}
