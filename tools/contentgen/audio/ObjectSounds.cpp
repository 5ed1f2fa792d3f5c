#include <string>

#include "Dsp.h"
#include "Effects.h"
#include "Instruments.h"
#include "KarplusStrong.h"
#include "Layers.h"

namespace {

Signal openDoor() {
    Signal out(at(0.62));
    const float latch = randomBetween(2200.0f, 2600.0f);
    addInto(out, metalPing(latch, 0.06), 0, 0.5f);
    addInto(out, noiseHit(0.01, 3000.0, 1.5f), 0, 0.6f);
    addInto(out, metalPing(latch * 0.8, 0.05), at(0.07), 0.4f);
    addInto(out, creak(0.45, 35.0, 80.0), at(0.12), 0.8f);
    addInto(out, whoosh(0.4, 300.0, 700.0, 0.7f, 0.5), at(0.15), 0.2f);
    return out;
}

Signal closeDoor() {
    Signal out(at(0.55));
    addInto(out, creak(0.25, 80.0, 40.0), 0, 0.7f);
    addInto(out, thump(75.0, 0.2, 0.8), at(0.25), 1.0f);
    addInto(out, noiseHit(0.1, 450.0, 0.7f), at(0.25), 0.6f);
    addInto(out, metalPing(2300.0, 0.05), at(0.27), 0.35f);
    return out;
}

// Picked up: the key rings up a bright little third and a sixth.
Signal pickupKey() {
    Signal out(at(0.45));
    addInto(out, noiseHit(0.01, 5000.0, 1.0f), 0, 0.3f);
    addInto(out, metalPing(2093.0, 0.25), 0, 0.7f);
    addInto(out, metalPing(2637.0, 0.3), at(0.07), 0.6f);
    addInto(out, metalPing(3136.0, 0.3), at(0.14), 0.4f);
    return out;
}

// Dropped: the key bounces a few times, each lower and sooner.
Signal dropKey() {
    Signal out(at(0.45));
    addInto(out, thump(180.0, 0.05, 0.3), 0, 0.4f);
    const double times[] = {0.0, 0.11, 0.19, 0.24};
    const float levels[] = {1.0f, 0.55f, 0.3f, 0.15f};
    for (int b = 0; b < 4; ++b) {
        const float pitch = randomBetween(1800.0f, 2600.0f);
        addInto(out, metalPing(pitch, 0.12), at(times[b]), levels[b]);
    }
    return out;
}

// Broken: a crack, then shards ringing off one after another.
Signal breakKey() {
    Signal out(at(0.5));
    addInto(out, noiseHit(0.04, 2000.0, 0.6f), 0, 1.0f);
    addInto(out, thump(120.0, 0.08, 0.5), 0, 0.4f);
    for (int shard = 0; shard < 7; ++shard) {
        const float when = randomBetween(0.01f, 0.3f);
        const float pitch = randomBetween(2500.0f, 5000.0f);
        addInto(out, metalPing(pitch, 0.08), at(when), 0.5f * (1.0f - when * 2.0f));
    }
    return out;
}

// Set off: the bow string twangs and the arrow rushes away.
Signal activateArrow() {
    Signal out(at(0.5));
    addInto(out, noiseHit(0.01, 3500.0, 1.5f), 0, 0.5f);
    addInto(out, pluckString(196.0, 0.45, 0.9f, 0.6), 0, 0.7f);
    addInto(out, whoosh(0.35, 300.0, 3000.0, 1.2f, 0.7), at(0.05), 0.5f);
    return out;
}

// A thin wooden shaft snapping: two cracks, splinters and a knock.
Signal breakArrow() {
    Signal out(at(0.32));
    addInto(out, noiseHit(0.015, 1400.0, 1.2f), 0, 1.0f);
    addInto(out, noiseHit(0.02, 900.0, 1.0f), at(0.02), 0.7f);
    addInto(out, grit(0.12, 3000.0, 1.0f, 1500.0, 0.1), at(0.01), 0.4f);
    addInto(out, thump(230.0, 0.05, 0.3), 0, 0.5f);
    return out;
}

// A soft chime with a quieter fifth above, in the title music's key.
Signal menuChime(double hz) {
    Signal out = bellNote(hz, 0.0, 1.0f);
    addInto(out, bellNote(hz * 1.5, 0.0, 1.0f), at(0.05), 0.3f);
    out.resize(at(0.6));
    fadeEdges(out, 0.0, 0.3);
    return out;
}

}  // namespace

std::vector<Effect> objectEffects() {
    return {
        makeEffect("activate_arrow.wav", -6.0, activateArrow),
        makeEffect("ringain_meny.wav", -12.0, [] { return menuChime(880.0); }),
        makeEffect("ringain_meny2.wav", -12.0, [] { return menuChime(1174.7); }),
        makeEffect("ringain_meny3.wav", -12.0, [] { return menuChime(1480.0); }),
        makeEffect("close_door.wav", -8.0, closeDoor),
        makeEffect("open_door.wav", -8.0, openDoor),
        makeEffect("break_key.wav", -6.0, breakKey),
        makeEffect("break_arrow.wav", -6.0, breakArrow),
        makeEffect("pickup_key.wav", -6.0, pickupKey),
        makeEffect("drop_key.wav", -6.0, dropKey),
    };
}
