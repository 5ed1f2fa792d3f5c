#pragma once

#include <SFML/Audio/SoundSource.hpp>

#include "audio/Voice.h"

// The controls that an effect and a music stream share in SFML; `Source` is sf::Sound or
// sf::Music, which agree on these but have no common base for looping.
template <class Source>
class SfmlSourceVoice : public Voice {
public:
    void play() override { source_.play(); }
    void pause() override { source_.pause(); }
    void stop() override { source_.stop(); }
    VoiceStatus status() const override {
        switch (source_.getStatus()) {
            case sf::SoundSource::Playing: return VoiceStatus::Playing;
            case sf::SoundSource::Paused: return VoiceStatus::Paused;
            default: return VoiceStatus::Stopped;
        }
    }
    void setLoop(bool loop) override { source_.setLoop(loop); }
    void setVolume(float volume) override { source_.setVolume(volume); }
    float volume() const override { return source_.getVolume(); }

protected:
    Source source_;
};
