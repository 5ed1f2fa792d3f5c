#pragma once

#include "audio/AudioBackend.h"

// The game's voices: SFML sounds and music over the audio device.
class SfmlAudioBackend : public AudioBackend {
public:
    std::unique_ptr<Voice> makeEffect() override;
    std::unique_ptr<Voice> makeStream() override;
};
