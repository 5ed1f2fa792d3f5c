#include "audio/FakeAudio.h"

#include <stdexcept>

std::unique_ptr<Voice> FakeAudio::make(std::vector<FakeVoice*>& into) {
    auto voice = std::make_unique<FakeVoice>();
    into.push_back(voice.get());
    return voice;
}

FakeVoice& FakeAudio::byPath(const std::vector<FakeVoice*>& voices, const std::string& path) {
    for (FakeVoice* voice : voices)
        if (voice->path == path) return *voice;
    throw std::runtime_error("no voice loaded " + path);
}

void FakeAudio::finishAll() const {
    for (const auto* group : {&effects, &streams})
        for (FakeVoice* voice : *group) voice->stop();
}
