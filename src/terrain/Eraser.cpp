#include "terrain/Eraser.h"

#include <cstdint>

#include "audio/SoundBank.h"
#include "terrain/ObjectBox.h"
#include "terrain/TerrainSettings.h"

namespace {

// Only these kinds can be changed by a pass in the given mode; the rest are not worth reading.
bool affected(int kind, bool arrowMode) {
    if (kind == 2 || isRestingArrow(kind)) return true;
    return arrowMode && (kind == 3 || kind == 10);
}

void startArrow(LevelObject& arrow) {
    const auto s = static_cast<float>(terrainSettings.arrowSpeed);
    if (arrow.kind == 13) arrow.speedX = s;
    if (arrow.kind == 14) arrow.speedX = -s;
    if (arrow.kind == 15) arrow.speedY = -s;
    if (arrow.kind == 16) arrow.speedY = s;
    arrow.kind = 17;
    soundBank().playArrowActivate();
}

struct Counters {
    int pencil = 0, ink = 0;
};

void eraseInside(LevelObject& o, unsigned j, unsigned k, bool arrowMode, CollisionHit& result, Counters& counters) {
    if (!arrowMode && isRestingArrow(o.kind)) {
        startArrow(o);
    } else if (o.kind == 2 || (arrowMode && o.kind == 3)) {
        o.image.setPixel(j, k, Color{0, 0, 0, 0});
        ++(o.kind == 2 ? counters.pencil : counters.ink);
        o.imageChanged = true;
    } else if (arrowMode && o.kind == 10) {
        o.x = -9999;
        soundBank().playKeyBreak();
        result.hit = true;
        o.imageChanged = true;
    } else if (arrowMode && isRestingArrow(o.kind)) {
        o.x = -8999;
        result.hit = true;
        o.imageChanged = true;
    }
}

// The ring leaves a rim of alpha 10: visible, not solid, and never faded further.
void fadeRing(LevelObject& o, unsigned j, unsigned k, bool arrowMode) {
    if (o.kind != 2 && !(arrowMode && o.kind == 3)) return;
    Color c = o.image.pixel(j, k);
    const int faded = static_cast<int>(c.a / 1.5);
    c.a = static_cast<std::uint8_t>(faded < 10 ? 10 : faded);
    o.image.setPixel(j, k, c);
    o.imageChanged = true;
}

void updateSound(const char* effect, int erased) {
    if (erased > 0)
        soundBank().playIfIdle(effect);
    else
        soundBank().pause(effect);
}

}  // namespace

CollisionHit eraseAt(ObjectList& list, int x, int y, int radius, bool arrowMode) {
    // In 64 bits: no configured radius can overflow the square or the ring.
    const long long outer = static_cast<long long>(radius) + terrainSettings.radius2;
    const long long side = 2 * outer;
    const float cx = static_cast<float>(x + side / 2), cy = static_cast<float>(y + side / 2);
    const WorldBox square{static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + side),
                          static_cast<float>(y + side)};
    CollisionHit result;
    Counters counters;
    for (auto& object : list) {
        LevelObject& o = *object;
        if (!affected(o.kind, arrowMode) || !overlaps(o, square)) continue;
        const PixelRange r = clipToObject(o, square);
        for (int j = r.j0; j < r.jEnd; ++j) {
            for (int k = r.k0; k < r.kEnd; ++k) {
                const auto uj = static_cast<unsigned>(j), uk = static_cast<unsigned>(k);
                if (o.image.alpha(uj, uk) == 0) continue;
                // The object's current position: once moved out of play its other pixels are out of reach.
                const int d = approxDistance(o.x + static_cast<float>(j) - cx, o.y + static_cast<float>(k) - cy);
                if (d < radius)
                    eraseInside(o, uj, uk, arrowMode, result, counters);
                else if (d < outer)
                    fadeRing(o, uj, uk, arrowMode);
            }
        }
    }
    updateSound("sudd_bly.wav", counters.pencil);
    updateSound("sudd_ink.wav", counters.ink);
    return result;
}
