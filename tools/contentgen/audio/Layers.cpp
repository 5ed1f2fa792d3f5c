#include "Layers.h"

#include <algorithm>
#include <cmath>

#include "Dsp.h"

namespace {
double timeOf(std::size_t i) { return static_cast<double>(i) / kSampleRate; }
}  // namespace

Signal thump(double hz, double seconds, double drop) {
    Signal out(samplesFor(seconds));
    SineOsc body;
    Decay env(0.0015, seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double pitch = hz * (1.0 + drop * std::exp(-timeOf(i) / (seconds * 0.15)));
        out[i] = env.next() * body.next(pitch);
    }
    return out;
}

Signal noiseHit(double seconds, double centerHz, float q) {
    Signal out(samplesFor(seconds));
    Svf band;
    band.tune(static_cast<float>(centerHz), q);
    Decay env(0.0008, seconds);
    for (float& x : out) x = env.next() * band.bandpass(noise());
    normalizePeak(out, 0.0);
    return out;
}

Signal whoosh(double seconds, double fromHz, double toHz, float q, double peakAt) {
    Signal out(samplesFor(seconds));
    Svf band;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double u = timeOf(i) / seconds;
        const double hz = fromHz * std::pow(toHz / fromHz, u);
        out[i] = humpEnvelope(timeOf(i), seconds, peakAt) * band.bandpass(noise(), static_cast<float>(hz), q);
    }
    normalizePeak(out, 0.0);
    return out;
}

Signal grit(double seconds, double centerHz, float q, double grainsPerSecond, double peakAt) {
    Signal out(samplesFor(seconds));
    Svf band;
    band.tune(static_cast<float>(centerHz), q);
    OnePole hiss(std::min(centerHz * 2.0, 12000.0));
    float grain = 0.0f;
    const float grainDecay = static_cast<float>(std::exp(-1.0 / (0.0015 * kSampleRate)));
    const double chance = grainsPerSecond / kSampleRate;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (0.5 * (noise() + 1.0f) < chance) grain = std::max(grain, randomBetween(0.3f, 1.0f));
        grain *= grainDecay;
        const float bed = 0.12f + grain;
        out[i] = humpEnvelope(timeOf(i), seconds, peakAt) * hiss.lowpass(band.bandpass(noise() * bed));
    }
    normalizePeak(out, 0.0);
    return out;
}

Signal metalPing(double hz, double seconds) {
    struct Partial {
        double ratio;
        float level;
        double decay;
    };
    const Partial partials[] = {{1.0, 1.0f, 1.0}, {1.51, 0.6f, 0.7}, {2.33, 0.45f, 0.45}, {3.87, 0.3f, 0.25}};
    Signal out(samplesFor(seconds));
    for (const Partial& p : partials) {
        SineOsc osc;
        Decay env(0.0005, seconds * p.decay);
        for (float& x : out) x += p.level * env.next() * osc.next(hz * p.ratio);
    }
    normalizePeak(out, 0.0);
    return out;
}

Signal creak(double seconds, double fromRate, double toRate) {
    Signal out(samplesFor(seconds));
    Svf low, high;
    low.tune(650.0f, 6.0f);
    high.tune(1500.0f, 5.0f);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double u = timeOf(i) / seconds;
        const double rate = (fromRate + (toRate - fromRate) * u) * (1.0 + 0.08 * noise());
        phase += rate / kSampleRate;
        float pulse = 0.0f;
        if (phase >= 1.0) {
            phase -= 1.0;
            pulse = randomBetween(0.6f, 1.0f);
        }
        const float excite = pulse + 0.02f * noise();
        out[i] = humpEnvelope(timeOf(i), seconds, 0.3) *
                 (low.bandpass(excite) + 0.6f * high.bandpass(excite));
    }
    normalizePeak(out, 0.0);
    return out;
}
