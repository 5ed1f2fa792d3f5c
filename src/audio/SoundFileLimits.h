#pragma once

#include <cstdint>
#include <limits>
#include <string>

// A sound file's header sizes the decoder's buffers before a sample is read, so a damaged
// file could ask for gigabytes. These read only the header and say whether loading stays
// within bounds: a regular file (a pipe or device could block), 1 to 8 channels, at most
// 192 000 samples a second and at most `maxSamples` samples in all.
bool soundFileWithinLimits(const std::string& path,
                           std::uint64_t maxSamples = std::numeric_limits<std::uint64_t>::max());

// Effects are decoded whole: two minutes of stereo at 48 kHz is far beyond any of them.
constexpr std::uint64_t kMaxEffectSamples = 2ull * 60 * 48000 * 2;
