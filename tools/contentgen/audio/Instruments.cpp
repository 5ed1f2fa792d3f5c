#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Dsp.h"
#include "KarplusStrong.h"

namespace {

// A struck bar or tine: decaying sine partials (ratio, level, decay seconds) and a soft mallet.
struct Partial {
    double ratio;
    float level;
    double decay;
};

template <std::size_t N>
Signal struck(double hz, float velocity, const Partial (&partials)[N], double malletCutoff) {
    double longest = 0.0;
    for (const Partial& p : partials) longest = std::max(longest, p.decay);
    Signal out(samplesFor(longest + 0.05));
    for (const Partial& p : partials) {
        if (hz * p.ratio > 16000.0) continue;
        SineOsc osc;
        Decay env(0.002, p.decay);
        // Past 1.3 times its decay a partial is below -75 dB: not worth computing.
        const std::size_t audible = std::min(out.size(), samplesFor(p.decay * 1.3));
        for (std::size_t i = 0; i < audible; ++i) out[i] += p.level * env.next() * osc.next(hz * p.ratio);
    }
    OnePole mallet(malletCutoff);
    const std::size_t malletLength = samplesFor(0.008);
    for (std::size_t i = 0; i < malletLength && i < out.size(); ++i)
        out[i] += 0.15f * mallet.lowpass(noise()) *
                  (1.0f - static_cast<float>(i) / static_cast<float>(malletLength));
    scale(out, velocity);
    fadeEdges(out, 0.0005, 0.02);
    return out;
}

// Lower notes of a struck instrument ring longer.
double ringFor(double hz, double atA4) { return atA4 * std::sqrt(440.0 / hz); }

}  // namespace

Signal guitarNote(double hz, double seconds, float velocity) {
    Signal s = pluckString(hz, std::max(seconds, 0.3) + 1.2, 0.35f + 0.4f * velocity, ringFor(hz, 2.2));
    scale(s, 0.8f * velocity);
    return s;
}

Signal harpNote(double hz, double seconds, float velocity) {
    Signal s = pluckString(hz, std::max(seconds, 0.5) + 2.0, 0.2f + 0.25f * velocity, ringFor(hz, 3.5));
    scale(s, 0.8f * velocity);
    return s;
}

Signal marimbaNote(double hz, double, float velocity) {
    const double ring = std::min(ringFor(hz, 0.7), 1.6);
    const Partial partials[] = {{1.0, 0.8f, ring}, {3.93, 0.18f, ring * 0.25}, {9.4, 0.06f, ring * 0.08}};
    return struck(hz, velocity, partials, 1800.0);
}

Signal musicBoxNote(double hz, double, float velocity) {
    const double ring = std::min(ringFor(hz, 1.8), 3.0);
    const Partial partials[] = {
        {1.0, 0.75f, ring}, {2.0, 0.08f, ring * 0.5}, {5.43, 0.12f, ring * 0.12}, {8.93, 0.05f, ring * 0.05}};
    return struck(hz, velocity, partials, 6000.0);
}

Signal bellNote(double hz, double, float velocity) {
    const Partial partials[] = {{1.0, 0.6f, 1.2}, {2.76, 0.2f, 0.5}, {5.4, 0.12f, 0.2}, {0.5, 0.1f, 0.9}};
    return struck(hz, velocity, partials, 5000.0);
}

// Two slightly detuned FM voices, slow to swell and to fade, with a gentle vibrato.
Signal padNote(double hz, double seconds, float velocity) {
    const double attack = 0.6, release = 1.2;
    Signal out(samplesFor(seconds + release));
    for (const double detune : {-0.004, 0.004}) {
        SineOsc carrier, modulator, vibrato;
        const double f = hz * (1.0 + detune);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const float env = swellEnvelope(t, attack, seconds, release);
            const double wobble = 1.0 + 0.002 * vibrato.next(4.5 + detune * 100.0);
            const float mod = modulator.next(f * wobble) * (0.4f + 0.5f * env);
            carrier.phase += mod * 0.08;
            out[i] += 0.4f * env * carrier.next(f * wobble);
        }
    }
    OnePole soften(std::min(hz * 4.0, 5000.0));
    for (float& x : out) x = soften.lowpass(x);
    scale(out, velocity);
    return out;
}

Signal bassNote(double hz, double seconds, float velocity) {
    const double release = 0.15;
    Signal out(samplesFor(seconds + release));
    SineOsc fundamental, second;
    Decay pluck(0.01, 1.6);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const float env = pluck.next() * swellEnvelope(t, 0.001, seconds, release);
        out[i] = velocity * env * (0.8f * fundamental.next(hz) + 0.2f * second.next(hz * 2.0));
    }
    return out;
}

Signal shakerNote(double, double, float velocity) {
    Signal out(samplesFor(0.06));
    Svf band;
    band.tune(5500.0f + 2000.0f * velocity, 1.2f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = velocity * humpEnvelope(t, 0.06, 0.2) * band.bandpass(noise());
    }
    return out;
}
