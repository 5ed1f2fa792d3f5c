#include <string>

#include "Dsp.h"
#include "Effects.h"
#include "Layers.h"

// Footsteps, jumps and landings share one body (a soft blow) and differ by what the ground adds:
// plain ground a dull dusty scuff, ink a crisp click with a hard little tick, pencil a scratch
// of graphite grains. Random draws are taken one per statement so their order is fixed.
namespace {

enum class Ground { Plain, Ink, Pencil };

// The ground's own touch, at `strength` (1 for a footstep, more for a landing).
void addGround(Signal& out, Ground ground, float strength) {
    switch (ground) {
        case Ground::Plain: {
            const float dust = randomBetween(300.0f, 900.0f);
            const float scuff = randomBetween(0.04f, 0.11f) * strength;
            addInto(out, noiseHit(scuff, dust, 0.7f), 0, 0.8f);
            addInto(out, grit(scuff * 1.5, 2500.0, 1.0f, 300.0, 0.2), 0, 0.15f);
            break;
        }
        case Ground::Ink: {
            const float click = randomBetween(3500.0f, 5500.0f);
            const float tick = randomBetween(1700.0f, 2600.0f);
            const float echo = randomBetween(4000.0f, 6500.0f);
            const float echoAt = randomBetween(0.012f, 0.03f);
            addInto(out, noiseHit(0.012 * strength, click, 2.0f), 0, 0.9f * strength);
            addInto(out, thump(tick, 0.025 * strength, 0.0), 0, 0.3f);
            addInto(out, noiseHit(0.008, echo, 2.5f), at(echoAt), 0.45f);
            break;
        }
        case Ground::Pencil: {
            const float length = randomBetween(0.06f, 0.12f) * strength;
            const float centre = randomBetween(2800.0f, 4500.0f);
            const float grains = randomBetween(700.0f, 1200.0f);
            addInto(out, grit(length, centre, 1.3f, grains, 0.25), 0, 0.8f);
            break;
        }
    }
}

Signal footstep(Ground ground) {
    Signal out(at(0.22));
    const float pitch = randomBetween(70.0f, 110.0f);
    const float length = randomBetween(0.06f, 0.1f);
    addInto(out, thump(pitch, length, 0.6), 0, ground == Ground::Ink ? 0.45f : 0.7f);
    addGround(out, ground, 1.0f);
    // Some steps roll from heel to toe: a second, lighter touch.
    const float toe = randomBetween(-0.05f, 0.05f);
    if (toe > 0.0f) addInto(out, noiseHit(0.03, 1200.0, 0.8f), at(0.02 + toe), 0.35f);
    return out;
}

Signal jump(Ground ground) {
    Signal out(at(0.34));
    const float pitch = randomBetween(85.0f, 110.0f);
    const float rise = randomBetween(1300.0f, 1900.0f);
    addInto(out, thump(pitch, 0.1, 0.8), 0, ground == Ground::Ink ? 0.4f : 0.6f);
    addInto(out, whoosh(0.3, 350.0, rise, 0.9f, 0.3), 0, 0.35f);
    addGround(out, ground, 1.2f);
    return out;
}

Signal landing(Ground ground) {
    Signal out(at(0.4));
    const float pitch = randomBetween(55.0f, 75.0f);
    const float length = randomBetween(0.16f, 0.24f);
    const float dust = randomBetween(250.0f, 500.0f);
    const float settle = randomBetween(0.06f, 0.09f);
    addInto(out, thump(pitch, length, 1.0), 0, ground == Ground::Ink ? 0.6f : 0.9f);
    addInto(out, noiseHit(0.12, dust, 0.7f), 0, 0.6f);
    addInto(out, noiseHit(0.05, 900.0, 0.8f), at(settle), 0.2f);
    addGround(out, ground, 1.6f);
    return out;
}

struct Kind {
    Ground ground;
    const char* suffix;
};

const Kind kKinds[] = {{Ground::Plain, ""}, {Ground::Ink, "_ink"}, {Ground::Pencil, "_bly"}};

}  // namespace

std::vector<Effect> stepEffects() {
    std::vector<Effect> effects;
    for (int n = 1; n <= 7; ++n)
        for (const Kind& k : kKinds)
            effects.push_back(
                makeEffect("walk" + std::to_string(n) + k.suffix + ".wav", -10.0, [&] { return footstep(k.ground); }));
    const auto addJump = [&](const std::string& file, const Kind& k) {
        effects.push_back(makeEffect(file, -8.0, [&] { return jump(k.ground); }));
    };
    addJump("hoppa.wav", kKinds[0]);
    addJump("hoppa_ink.wav", kKinds[1]);
    addJump("hoppa2_ink.wav", kKinds[1]);
    addJump("hoppa_bly.wav", kKinds[2]);
    addJump("hoppa_bly2.wav", kKinds[2]);
    for (const Kind& k : kKinds)
        for (const char* number : {"", "2", "3"})
            effects.push_back(makeEffect(std::string("landa") + number + k.suffix + ".wav", -6.0,
                                         [&] { return landing(k.ground); }));
    return effects;
}
