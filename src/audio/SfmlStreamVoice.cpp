#include "audio/SfmlStreamVoice.h"

void SfmlStreamVoice::load(const std::string& path) { opened_ = source_.openFromFile(path); }

void SfmlStreamVoice::play() {
    if (opened_) source_.play();
}
