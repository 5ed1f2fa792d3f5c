#pragma once

#include "audio/Music.h"

#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "audio/AudioBackend.h"
#include "audio/SoundFiles.h"
#include "platform/Random.h"

// Every effect and music stream of the game with the rules of when each plays.
// Surface codes: 1 plain ground, 2 pencil, 3 ink, anything else silences the family.
class SoundBank {
public:
    // Over the audio device; `seed` starts the variant picks.
    explicit SoundBank(unsigned seed = 1);
    // Over voices from `backend`, which is only used here.
    explicit SoundBank(AudioBackend& backend, unsigned seed = 1);

    // Replaces every voice with an empty one from `backend`; loadSounds fills them again.
    void useBackend(AudioBackend& backend);

    void seed(unsigned seed) { random_.seed(seed); }
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
    void playMusicFor(Music music);

    // The variant picked last in each group; a pick never repeats it.
    int lastMenuRing = 0;
    int lastFootstep = 0;
    int lastLanding = 0;
    int lastThrow = 0;
    // Which of the two pencil or ink jump variants comes next (0 the first).
    int jumpAlternate = 0;
    // The intro still has to play before the loop the next time its screen polls.
    int levelIntroPending = 1;
    int titleIntroPending = 1;

private:
    using Names = std::span<const std::string_view>;

    Voice* find(std::string_view effect) const;
    Voice& effect(std::string_view name) const { return *find(name); }
    Voice& track(Track track) const { return *tracks_[track]; }

    void stopAll(Names effects);
    void pauseAll(Names effects);
    bool anyPlaying(Names effects) const;
    void playVariantForGround(const Names (&byGround)[3], int surface, int& memory);
    // Draws until the pick differs from the group's previous one.
    int pickAgainst(int count, int& memory);
    void stopTracksExcept(std::initializer_list<Track> keep);
    void startTrackIfIdle(Track track, bool loop);

    std::vector<std::unique_ptr<Voice>> effects_;  // in the order of effectFiles
    std::vector<std::unique_ptr<Voice>> tracks_;   // in the order of musicFiles
    std::unordered_map<std::string_view, Voice*> byName_;
    Random random_;
};
