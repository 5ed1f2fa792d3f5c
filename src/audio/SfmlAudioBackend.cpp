#include "audio/SfmlAudioBackend.h"

#include "audio/SfmlEffectVoice.h"
#include "audio/SfmlStreamVoice.h"

std::unique_ptr<Voice> SfmlAudioBackend::makeEffect() { return std::make_unique<SfmlEffectVoice>(); }

std::unique_ptr<Voice> SfmlAudioBackend::makeStream() { return std::make_unique<SfmlStreamVoice>(); }
