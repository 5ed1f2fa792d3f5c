#include <cmath>
#include <numbers>
#include <string>

#include "Dsp.h"
#include "Effects.h"
#include "Layers.h"

namespace {

double timeOf(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// The boomerang whirring past: a band of air that rises and falls as it passes, chopped by the
// spinning arms.
Signal swoosh(double lengthScale) {
    const double length = randomBetween(0.32f, 0.46f) * lengthScale;
    const double spin = randomBetween(12.0f, 22.0f);
    const double low = randomBetween(450.0f, 800.0f) / lengthScale;
    const double high = randomBetween(1800.0f, 3000.0f) / lengthScale;
    const double peakAt = randomBetween(0.3f, 0.5f);
    Signal out(at(length));
    Svf band;
    SineOsc arms;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double centre = low * std::pow(high / low, std::sin(std::numbers::pi * t / length));
        const float chop = 0.55f + 0.45f * arms.next(spin);
        out[i] = humpEnvelope(t, length, peakAt) * chop * band.bandpass(noise(), static_cast<float>(centre), 1.6f);
    }
    return out;
}

// Rubbing back and forth for `seconds`, a whole number of strokes, so that it runs on seamlessly
// from its end into its start.
struct Rubbing {
    int strokes;
    double centre;
    float q;
    double grainsPerSecond;
    float bed;
};

Signal rubbing(double seconds, const Rubbing& r) {
    const std::size_t loop = at(seconds);
    Signal out(loop + at(0.15));
    Svf band;
    OnePole body(400.0);
    float grain = 0.0f;
    const float grainDecay = static_cast<float>(std::exp(-1.0 / (0.002 * kSampleRate)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double stroke = std::numbers::pi * r.strokes * timeOf(i) / seconds;
        const float pressure = 0.3f + 0.7f * static_cast<float>(std::pow(std::fabs(std::sin(stroke)), 0.7));
        const double centre = r.centre * (1.0 + 0.15 * std::sin(2.0 * stroke));
        if (0.5 * (noise() + 1.0f) < r.grainsPerSecond / kSampleRate) grain = std::max(grain, randomBetween(0.4f, 1.0f));
        grain *= grainDecay;
        const float rough = noise() * (r.bed + grain);
        out[i] = pressure * (band.bandpass(rough, static_cast<float>(centre), r.q) + 0.3f * body.lowpass(rough));
    }
    crossfadeLoop(out, loop);
    return out;
}

// The platform's drive: a low hum of whole-number frequencies (each fits the loop exactly), soft
// gear ticks and a little rumble.
Signal platformHum(double seconds) {
    const std::size_t loop = at(seconds);
    Signal out(loop);
    const double partials[][2] = {{60.0, 0.45}, {120.0, 0.35}, {180.0, 0.2}, {240.0, 0.12}, {300.0, 0.08}, {420.0, 0.05}};
    for (std::size_t i = 0; i < loop; ++i) {
        const double t = timeOf(i);
        const double wobble = 1.0 + 0.15 * std::sin(2.0 * std::numbers::pi * 2.0 * t);
        double hum = 0.0;
        for (const auto& p : partials) hum += p[1] * std::sin(2.0 * std::numbers::pi * p[0] * t);
        out[i] = static_cast<float>(0.5 * wobble * hum);
    }
    const int ticks = 16;
    Signal gears(loop + at(0.05));
    for (int k = 0; k < ticks; ++k) {
        const float pitch = randomBetween(1500.0f, 1900.0f);
        addInto(gears, noiseHit(0.025, pitch, 3.0f), at((k + 0.5) * seconds / ticks), k % 2 ? 0.12f : 0.2f);
    }
    foldTail(gears, loop);
    addInto(out, gears, 0);
    Signal rumble(loop + at(0.2));
    Svf band;
    band.tune(220.0f, 0.8f);
    for (float& x : rumble) x = 0.3f * band.bandpass(noise());
    crossfadeLoop(rumble, loop);
    addInto(out, rumble, 0);
    return out;
}

}  // namespace

std::vector<Effect> actionEffects() {
    std::vector<Effect> effects;
    for (int n = 1; n <= 5; ++n)
        effects.push_back(makeEffect("swosch" + std::to_string(n) + ".wav", -8.0, [n] {
            return swoosh(n == 5 ? 1.3 : 1.0);
        }));
    effects.push_back(makeEffect("sudd_bly.wav", -14.0, [] {
        return rubbing(2.0, Rubbing{9, 1100.0, 0.7f, 150.0, 0.5f});
    }));
    effects.push_back(makeEffect("sudd_ink.wav", -14.0, [] {
        return rubbing(2.0, Rubbing{12, 2600.0, 1.1f, 900.0, 0.3f});
    }));
    effects.push_back(makeEffect("plattform.wav", -14.0, [] { return platformHum(2.0); }));
    return effects;
}
