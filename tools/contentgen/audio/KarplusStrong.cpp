#include "KarplusStrong.h"

#include <algorithm>
#include <cmath>

#include "Dsp.h"

Signal pluckString(double hz, double seconds, float brightness, double ringSeconds) {
    // Loop delay = line + half a sample for the averaging filter + the allpass's fraction.
    const double period = kSampleRate / hz;
    const int lineLength = static_cast<int>(std::floor(period - 0.6));
    const double fraction = period - 0.5 - lineLength;
    const float allpass = static_cast<float>((1.0 - fraction) / (1.0 + fraction));
    const float loss = static_cast<float>(std::exp(-6.9 / (ringSeconds * hz)));

    Signal line(static_cast<std::size_t>(lineLength));
    OnePole pick(hz * (1.0 + 12.0 * brightness * brightness));
    float mean = 0.0f;
    for (float& x : line) {
        x = pick.lowpass(noise());
        mean += x;
    }
    mean /= static_cast<float>(line.size());
    for (float& x : line) x -= mean;
    scale(line, 1.0f / std::max(peakOf(line), 1e-6f));

    Signal out(samplesFor(seconds));
    std::size_t index = 0;
    float previous = 0.0f, apIn = 0.0f, apOut = 0.0f;
    OnePole dcBlock(20.0);
    for (float& y : out) {
        const float current = line[index];
        y = dcBlock.highpass(current);
        const float averaged = 0.5f * (current + previous);
        previous = current;
        apOut = allpass * averaged + apIn - allpass * apOut;
        apIn = averaged;
        line[index] = apOut * loss;
        index = (index + 1) % line.size();
    }
    fadeEdges(out, 0.001, 0.02);
    return out;
}
