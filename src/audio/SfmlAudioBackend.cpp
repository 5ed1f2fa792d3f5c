#include "audio/SfmlAudioBackend.h"

#include <AL/alc.h>

#include "audio/SfmlEffectVoice.h"
#include "audio/SfmlStreamVoice.h"
#include "audio/SilentVoice.h"

namespace {

// Asked once, before SFML opens its own device; the device is closed again at once.
bool audioDeviceOpens() {
    static const bool opens = [] {
        ALCdevice* device = alcOpenDevice(nullptr);
        if (device) alcCloseDevice(device);
        return device != nullptr;
    }();
    return opens;
}

}  // namespace

std::unique_ptr<Voice> SfmlAudioBackend::makeEffect() {
    if (!audioDeviceOpens()) return std::make_unique<SilentVoice>();
    return std::make_unique<SfmlEffectVoice>();
}

std::unique_ptr<Voice> SfmlAudioBackend::makeStream() {
    if (!audioDeviceOpens()) return std::make_unique<SilentVoice>();
    return std::make_unique<SfmlStreamVoice>();
}
