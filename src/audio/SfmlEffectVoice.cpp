#include "audio/SfmlEffectVoice.h"

#include "audio/SoundFileLimits.h"

void SfmlEffectVoice::load(const std::string& path) {
    if (soundFileWithinLimits(path, kMaxEffectSamples)) buffer_.loadFromFile(path);
    source_.setBuffer(buffer_);
}
