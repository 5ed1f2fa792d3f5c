#pragma once

#include <string>

enum class VoiceStatus { Stopped, Paused, Playing };

// One sound source of the bank: an effect decoded into memory or a music stream read from
// disk while it plays. The play rules only ever talk to this, so they run the same over the
// audio device and over test doubles.
class Voice {
public:
    virtual ~Voice() = default;

    // Failures are silent: a voice whose file could not be read plays nothing when started.
    virtual void load(const std::string& path) = 0;
    // Starts from the beginning when stopped, resumes when paused, restarts when playing.
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual VoiceStatus status() const = 0;
    virtual void setLoop(bool loop) = 0;
    // 0..100 scale, passed on unclamped.
    virtual void setVolume(float volume) = 0;
    virtual float volume() const = 0;
};
