#pragma once

#include "audio/AudioBackend.h"

// The game's voices: SFML sounds and music over the audio device, or silent ones when no
// device opens (the library would otherwise report a failed call for every voice every frame).
class SfmlAudioBackend : public AudioBackend {
public:
    std::unique_ptr<Voice> makeEffect() override;
    std::unique_ptr<Voice> makeStream() override;
};
