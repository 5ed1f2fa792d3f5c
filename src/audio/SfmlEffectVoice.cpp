#include "audio/SfmlEffectVoice.h"

void SfmlEffectVoice::load(const std::string& path) {
    buffer_.loadFromFile(path);
    source_.setBuffer(buffer_);
}
