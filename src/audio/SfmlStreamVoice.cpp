#include "audio/SfmlStreamVoice.h"

#include "audio/SoundFileLimits.h"

void SfmlStreamVoice::load(const std::string& path) {
    opened_ = soundFileWithinLimits(path) && source_.openFromFile(path);
    // A file just opened is at its start.
    rewound_ = true;
}

void SfmlStreamVoice::play() {
    if (!opened_) return;
    source_.play();
    rewound_ = false;
}

void SfmlStreamVoice::stop() {
    if (rewound_) return;
    source_.stop();
    rewound_ = true;
}
