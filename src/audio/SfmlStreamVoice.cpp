#include "audio/SfmlStreamVoice.h"

#include "audio/SoundFileLimits.h"

void SfmlStreamVoice::load(const std::string& path) { opened_ = soundFileWithinLimits(path) && source_.openFromFile(path); }

void SfmlStreamVoice::play() {
    if (opened_) source_.play();
}
