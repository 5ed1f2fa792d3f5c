#include "Effects.h"

#include <algorithm>

#include "Dsp.h"

Effect makeEffect(const std::string& file, double heardDb, double gain, const std::function<Signal()>& build) {
    seedFromName(file);
    Effect effect{file, build()};
    // The sounds rise from rest on their own; the short ramps only guard the file's edges.
    fadeEdges(effect.samples, 0.0005, 0.005);
    normalizePeak(effect.samples, std::min(-1.0, heardDb - gainToDb(gain / 100.0)));
    return effect;
}

std::size_t at(double seconds) { return samplesFor(seconds); }
