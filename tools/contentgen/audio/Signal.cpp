#include "Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * kSampleRate)));
}

Stereo makeStereo(std::size_t length) { return Stereo{Signal(length, 0.0f), Signal(length, 0.0f)}; }

void addInto(Signal& dst, const Signal& src, std::size_t offset, float gain) {
    if (offset >= dst.size()) return;
    const std::size_t n = std::min(src.size(), dst.size() - offset);
    for (std::size_t i = 0; i < n; ++i) dst[offset + i] += src[i] * gain;
}

void addPanned(Stereo& dst, const Signal& src, std::size_t offset, float gain, float pan) {
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * std::numbers::pi / 4.0;
    addInto(dst.left, src, offset, gain * static_cast<float>(std::cos(angle) * std::numbers::sqrt2));
    addInto(dst.right, src, offset, gain * static_cast<float>(std::sin(angle) * std::numbers::sqrt2));
}

void scale(Signal& s, float factor) {
    for (float& x : s) x *= factor;
}

void scale(Stereo& s, float factor) {
    scale(s.left, factor);
    scale(s.right, factor);
}

float peakOf(const Signal& s) {
    float peak = 0.0f;
    for (float x : s) peak = std::max(peak, std::fabs(x));
    return peak;
}

float peakOf(const Stereo& s) { return std::max(peakOf(s.left), peakOf(s.right)); }

double rmsOf(const Signal& s) {
    double sum = 0.0;
    for (float x : s) sum += static_cast<double>(x) * x;
    return s.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(s.size()));
}

double rmsOf(const Stereo& s) {
    const double l = rmsOf(s.left);
    const double r = rmsOf(s.right);
    return std::sqrt((l * l + r * r) / 2.0);
}

float dbToGain(double db) { return static_cast<float>(std::pow(10.0, db / 20.0)); }

double gainToDb(double gain) { return 20.0 * std::log10(std::max(gain, 1e-9)); }

void normalizePeak(Signal& s, double peakDb) {
    const float peak = peakOf(s);
    if (peak > 0.0f) scale(s, dbToGain(peakDb) / peak);
}

namespace {
// Linear below the knee, then bends towards the ceiling without ever reaching it.
void softLimit(Signal& s, float ceiling) {
    const float knee = ceiling * 0.7f;
    const float room = ceiling - knee;
    for (float& x : s) {
        const float a = std::fabs(x);
        if (a > knee) x = std::copysign(knee + room * std::tanh((a - knee) / room), x);
    }
}
}  // namespace

void normalizeLoudness(Stereo& s, double rmsDb, double ceilingDb) {
    const double rms = rmsOf(s);
    if (rms <= 0.0) return;
    scale(s, static_cast<float>(dbToGain(rmsDb) / rms));
    softLimit(s.left, dbToGain(ceilingDb));
    softLimit(s.right, dbToGain(ceilingDb));
}

void fadeEdges(Signal& s, double inSeconds, double outSeconds) {
    const std::size_t in = std::min(samplesFor(inSeconds), s.size());
    const std::size_t out = std::min(samplesFor(outSeconds), s.size());
    for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void fadeEdges(Stereo& s, double inSeconds, double outSeconds) {
    fadeEdges(s.left, inSeconds, outSeconds);
    fadeEdges(s.right, inSeconds, outSeconds);
}

void foldTail(Signal& s, std::size_t loopLength) {
    for (std::size_t i = loopLength; i < s.size(); ++i) s[i % loopLength] += s[i];
    s.resize(loopLength, 0.0f);
}

void foldTail(Stereo& s, std::size_t loopLength) {
    foldTail(s.left, loopLength);
    foldTail(s.right, loopLength);
}

void crossfadeLoop(Signal& s, std::size_t loopLength) {
    const std::size_t overlap = std::min(s.size() - loopLength, loopLength);
    for (std::size_t i = 0; i < overlap; ++i) {
        const double t = (static_cast<double>(i) + 0.5) / static_cast<double>(overlap) * std::numbers::pi / 2.0;
        s[i] = static_cast<float>(s[i] * std::sin(t) + s[loopLength + i] * std::cos(t));
    }
    s.resize(loopLength);
}

void crossfadeLoop(Stereo& s, std::size_t loopLength) {
    crossfadeLoop(s.left, loopLength);
    crossfadeLoop(s.right, loopLength);
}
