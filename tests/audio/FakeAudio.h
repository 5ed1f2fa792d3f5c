#pragma once

#include <string>
#include <vector>

#include "audio/AudioBackend.h"
#include "audio/SoundBank.h"

// A voice whose status the test sets; it plays nothing, but counts how it was started.
class FakeVoice : public Voice {
public:
    void load(const std::string& file) override {
        path = file;
        loaded = true;
    }
    // Like the device: an unloaded voice stays stopped, a paused one resumes.
    void play() override {
        if (!loaded) return;
        ++(state == VoiceStatus::Paused ? resumes : starts);
        state = VoiceStatus::Playing;
    }
    void pause() override {
        if (state == VoiceStatus::Playing) state = VoiceStatus::Paused;
    }
    void stop() override { state = VoiceStatus::Stopped; }
    VoiceStatus status() const override { return state; }
    void setLoop(bool loop) override { looping = loop; }
    void setVolume(float volume) override { level = volume; }
    float volume() const override { return level; }

    bool playing() const { return state == VoiceStatus::Playing; }

    std::string path;
    bool loaded = false;  // false after loading stands for a missing file
    VoiceStatus state = VoiceStatus::Stopped;
    bool looping = false;
    float level = 100;
    int starts = 0;   // from the beginning, restarts included
    int resumes = 0;  // from where it was paused
};

// Hands out fake voices and finds them again by the file they loaded.
class FakeAudio : public AudioBackend {
public:
    std::unique_ptr<Voice> makeEffect() override { return make(effects); }
    std::unique_ptr<Voice> makeStream() override { return make(streams); }

    // By file name, e.g. "walk1.wav" / "level.ogg"; only after loading.
    FakeVoice& effect(const std::string& file) const { return byPath(effects, "Content/Sound/" + file); }
    FakeVoice& music(const std::string& file) const { return byPath(streams, "Content/Music/" + file); }
    // Lets every voice run to its end.
    void finishAll() const;

    std::vector<FakeVoice*> effects;
    std::vector<FakeVoice*> streams;

private:
    static std::unique_ptr<Voice> make(std::vector<FakeVoice*>& into);
    static FakeVoice& byPath(const std::vector<FakeVoice*>& voices, const std::string& path);
};

// A loaded sound bank on fake voices, handed to whatever plays sounds.
struct FakeSoundBank {
    FakeSoundBank() { bank.loadSounds(); }
    operator SoundBank&() { return bank; }
    FakeVoice& effect(const std::string& file) const { return audio.effect(file); }
    FakeAudio audio;
    SoundBank bank{audio};
};
