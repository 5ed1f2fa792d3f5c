#pragma once

#include "audio/Voice.h"

// Stands in for every voice when no audio device opens: it never plays, as a voice whose file
// is missing, so every play rule still runs, and nothing asks the device for anything.
class SilentVoice : public Voice {
public:
    void load(const std::string&) override {}
    void play() override {}
    void pause() override {}
    void stop() override {}
    VoiceStatus status() const override { return VoiceStatus::Stopped; }
    void setLoop(bool) override {}
    void setVolume(float volume) override { volume_ = volume; }
    float volume() const override { return volume_; }

private:
    float volume_ = 100;
};
