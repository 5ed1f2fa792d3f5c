#pragma once

#include "audio/AudioBackend.h"
#include "audio/SilentVoice.h"

// Voices that never sound and take nothing from the device, for runs that only play the rules.
class SilentAudioBackend : public AudioBackend {
public:
    std::unique_ptr<Voice> makeEffect() override { return std::make_unique<SilentVoice>(); }
    std::unique_ptr<Voice> makeStream() override { return std::make_unique<SilentVoice>(); }
};
