#pragma once

#include <string>

// Every effect and music stream of the game with the rules of when each plays.
// Surface codes: 1 plain ground, 2 pencil, 3 ink, anything else silences the family.
class SoundBank {
public:
    void loadSounds();
    void setSoundVolume(float volume);
    void setMusicVolume(float volume);

    // By file name, e.g. "plattform.wav": start unless already playing / pause / query.
    void playIfIdle(const std::string& effect);
    void pause(const std::string& effect);
    bool isPlaying(const std::string& effect) const;

    void playArrowActivate();
    void playDoorOpen();
    void playKeyBreak();
    void playKeyDrop();
    void playMenuRing();
    void playThrow();
    void playFootstep(int surface);
    void playJump(int surface);
    void playLanding(int surface);
    void playMusicFor(const std::string& name);
};

// The process-wide bank.
SoundBank& soundBank();
