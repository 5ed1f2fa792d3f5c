#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "Signal.h"

// The small building blocks: noise, filters, envelopes and oscillators, all per sample.

// Seeds the shared generator from a name, so each sound comes out the same whatever was made
// before it.
void seedFromName(const std::string& name);
// White noise in [-1, 1) from the shared generator (seed it before each sound).
float noise();

// One-pole smoothing filter: lowpass output, or the input minus it as a highpass.
class OnePole {
public:
    explicit OnePole(double cutoffHz);
    float lowpass(float x);
    float highpass(float x) { return x - lowpass(x); }

private:
    float coefficient_;
    float state_ = 0.0f;
};

// Trapezoidal state-variable filter: stays stable however fast its cutoff is swept.
struct Svf {
    float ic1 = 0.0f;
    float ic2 = 0.0f;
    float low = 0.0f;
    float k = 1.0f, a1 = 0.0f, a2 = 0.0f, a3 = 0.0f;
    // Sets the band; a higher q narrows it. Cheap enough per sample, but a slow sweep can call
    // it every few samples.
    void tune(float cutoffHz, float q);
    // Returns the bandpass (unity gain at the centre) and leaves the lowpass in `low`.
    float bandpass(float x);
    float bandpass(float x, float cutoffHz, float q) {
        tune(cutoffHz, q);
        return bandpass(x);
    }
};

// Linear attack, then exponential decay to about -60 dB after `decay` seconds; one call per
// sample.
class Decay {
public:
    Decay(double attack, double decay);
    float next();

private:
    std::size_t attack_;
    std::size_t position_ = 0;
    float level_ = 1.0f;
    float step_;
};

// Rise over `attack`, hold until `length`, fall over `release`, with raised-cosine ramps (no
// corners to hear on a slow pad).
float swellEnvelope(double t, double attack, double length, double release);
// 0..1..0 over `length` seconds with its peak at `peakAt` (0..1 of the length).
float humpEnvelope(double t, double length, double peakAt);

double midiToHz(double midi);

// Phase-continuous sine (from a table) whose frequency may change every sample; the phase is in
// cycles and may be nudged from outside for phase modulation.
struct SineOsc {
    static constexpr std::size_t kTableSize = 4096;
    static const std::array<float, kTableSize + 1> table;

    double phase = 0.0;
    float next(double hz) {
        phase -= std::floor(phase);
        const double position = phase * kTableSize;
        const std::size_t index = std::min(static_cast<std::size_t>(position), kTableSize - 1);
        const float frac = static_cast<float>(position - static_cast<double>(index));
        phase += hz / kSampleRate;
        return table[index] + frac * (table[index + 1] - table[index]);
    }
};

// Uniform in [low, high) from the shared generator.
float randomBetween(float low, float high);
