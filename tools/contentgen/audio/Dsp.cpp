#include "Dsp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "Signal.h"
#include "platform/Random.h"

namespace {
// The tool makes one sound at a time, each from its own seed, so one generator serves them all.
Random& generator() {
    static Random random;
    return random;
}
}  // namespace

void seedFromName(const std::string& name) {
    unsigned hash = 2166136261u;
    for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
    generator().seed(hash);
}

float noise() { return static_cast<float>(generator().between(0, 65535) - 32768) / 32768.0f; }

OnePole::OnePole(double cutoffHz)
    : coefficient_(static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / kSampleRate))) {}

float OnePole::lowpass(float x) {
    state_ += coefficient_ * (x - state_);
    return state_;
}

void Svf::tune(float cutoffHz, float q) {
    const float g = std::tan(std::numbers::pi_v<float> * std::clamp(cutoffHz, 10.0f, 18000.0f) / kSampleRate);
    k = 1.0f / q;
    a1 = 1.0f / (1.0f + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
}

float Svf::bandpass(float x) {
    const float v3 = x - ic2;
    const float v1 = a1 * ic1 + a2 * v3;
    const float v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0f * v1 - ic1;
    ic2 = 2.0f * v2 - ic2;
    low = v2;
    return k * v1;
}

Decay::Decay(double attack, double decay)
    : attack_(std::max<std::size_t>(1, samplesFor(attack))),
      step_(static_cast<float>(std::exp(-6.9 / (decay * kSampleRate)))) {}

float Decay::next() {
    if (position_ < attack_) return static_cast<float>(position_++) / static_cast<float>(attack_);
    const float out = level_;
    level_ *= step_;
    return out;
}

float swellEnvelope(double t, double attack, double length, double release) {
    auto rise = [](double u) { return u >= 1.0 ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(u, 0.0)); };
    if (t < 0.0 || t > length + release) return 0.0f;
    const double up = rise(t / attack);
    const double down = t > length ? 1.0 - rise((t - length) / release) : 1.0;
    return static_cast<float>(up * down);
}

float humpEnvelope(double t, double length, double peakAt) {
    if (t <= 0.0 || t >= length) return 0.0f;
    const double u = t / length;
    const double v = u < peakAt ? u / peakAt : (1.0 - u) / (1.0 - peakAt);
    return static_cast<float>(std::sin(v * std::numbers::pi / 2.0));
}

double midiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

const std::array<float, SineOsc::kTableSize + 1> SineOsc::table = [] {
    std::array<float, kTableSize + 1> t{};
    for (std::size_t i = 0; i <= kTableSize; ++i)
        t[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * static_cast<double>(i) / kTableSize));
    return t;
}();

float randomBetween(float low, float high) { return low + (high - low) * 0.5f * (noise() + 1.0f); }
