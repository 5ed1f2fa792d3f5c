#include "Effects.h"

#include <algorithm>

#include "Dsp.h"
#include "audio/SoundFiles.h"

namespace {
double volumeFactorOf(const std::string& file) {
    for (const SoundFile& f : effectFiles)
        if (f.name == file) return f.factor;
    return 100.0;
}
}  // namespace

Effect makeEffect(const std::string& file, double heardDb, const std::function<Signal()>& build) {
    const double gain = volumeFactorOf(file);
    seedFromName(file);
    Effect effect{file, build()};
    // The sounds rise from rest on their own; the short ramps only guard the file's edges.
    fadeEdges(effect.samples, 0.0005, 0.005);
    normalizePeak(effect.samples, std::min(-1.0, heardDb - gainToDb(gain / 100.0)));
    return effect;
}

std::size_t at(double seconds) { return samplesFor(seconds); }
