#include "audio/SoundBank.h"

#include <algorithm>

#include "audio/SfmlAudioBackend.h"
#include "config/Config.h"
#include "platform/Paths.h"

namespace {

constexpr std::string_view kMenuRings[] = {"ringain_meny.wav", "ringain_meny2.wav", "ringain_meny3.wav"};
constexpr std::string_view kThrows[] = {"swosch1.wav", "swosch2.wav", "swosch3.wav", "swosch4.wav"};

constexpr std::string_view kPlainSteps[] = {"walk1.wav", "walk2.wav", "walk3.wav", "walk4.wav",
                                            "walk5.wav", "walk6.wav", "walk7.wav"};
constexpr std::string_view kPencilSteps[] = {"walk1_bly.wav", "walk2_bly.wav", "walk3_bly.wav", "walk4_bly.wav",
                                             "walk5_bly.wav", "walk6_bly.wav", "walk7_bly.wav"};
constexpr std::string_view kInkSteps[] = {"walk1_ink.wav", "walk2_ink.wav", "walk3_ink.wav", "walk4_ink.wav",
                                          "walk5_ink.wav", "walk6_ink.wav", "walk7_ink.wav"};

constexpr std::string_view kPlainLandings[] = {"landa.wav", "landa2.wav", "landa3.wav"};
constexpr std::string_view kPencilLandings[] = {"landa_bly.wav", "landa2_bly.wav", "landa3_bly.wav"};
constexpr std::string_view kInkLandings[] = {"landa_ink.wav", "landa2_ink.wav", "landa3_ink.wav"};

constexpr std::string_view kPencilJumps[] = {"hoppa_bly.wav", "hoppa_bly2.wav"};
constexpr std::string_view kInkJumps[] = {"hoppa_ink.wav", "hoppa2_ink.wav"};

constexpr int kPlain = 1;
constexpr int kPencil = 2;
constexpr int kInk = 3;

bool isGround(int surface) { return surface == kPlain || surface == kPencil || surface == kInk; }

void start(Voice& voice) {
    voice.setLoop(false);
    voice.play();
}

// Unlike start, a paused voice does not resume: it begins again.
void startFromBeginning(Voice& voice) {
    voice.setLoop(false);
    voice.stop();
    voice.play();
}

}  // namespace

SoundBank::SoundBank(unsigned seed) : random_(seed) {
    SfmlAudioBackend sfml;
    useBackend(sfml);
}

SoundBank::SoundBank(AudioBackend& backend, unsigned seed) : random_(seed) { useBackend(backend); }

// Memories start at 0, so the first pick of a group is never its first variant.
int SoundBank::pickAgainst(int count, int& memory) {
    int k = random_.between(0, count - 1);
    while (k == memory) k = random_.between(0, count - 1);
    memory = k;
    return k;
}

void SoundBank::useBackend(AudioBackend& backend) {
    effects_.clear();
    tracks_.clear();
    byName_.clear();
    for (const SoundFile& file : effectFiles) {
        effects_.push_back(backend.makeEffect());
        byName_[file.name] = effects_.back().get();
    }
    for (size_t i = 0; i < musicFiles.size(); ++i) tracks_.push_back(backend.makeStream());
}

void SoundBank::loadSounds() {
    for (size_t i = 0; i < effectFiles.size(); ++i)
        effects_[i]->load(nativePath("Content/Sound/" + std::string(effectFiles[i].name)));
    for (size_t i = 0; i < musicFiles.size(); ++i)
        tracks_[i]->load(nativePath("Content/Music/" + std::string(musicFiles[i].name)));
    const Config config;
    const double music = config.volume("Music_Volume", false);
    const double sound = config.volume("Sound_Volume", false);
    setSoundVolume(static_cast<float>(sound));
    setMusicVolume(static_cast<float>(music));
}

void SoundBank::setSoundVolume(float volume) {
    for (size_t i = 0; i < effectFiles.size(); ++i) effects_[i]->setVolume(volume * effectFiles[i].factor);
}

void SoundBank::setMusicVolume(float volume) {
    for (size_t i = 0; i < musicFiles.size(); ++i) tracks_[i]->setVolume(volume * musicFiles[i].factor);
}

Voice* SoundBank::find(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void SoundBank::playIfIdle(const std::string& name) {
    Voice* voice = find(name);
    if (voice && voice->status() != VoiceStatus::Playing) start(*voice);
}

void SoundBank::pause(const std::string& name) {
    if (Voice* voice = find(name)) voice->pause();
}

bool SoundBank::isPlaying(const std::string& name) const {
    const Voice* voice = find(name);
    return voice && voice->status() == VoiceStatus::Playing;
}

void SoundBank::playArrowActivate() { playIfIdle("activate_arrow.wav"); }
void SoundBank::playDoorOpen() { playIfIdle("open_door.wav"); }
void SoundBank::playKeyBreak() { playIfIdle("break_key.wav"); }
void SoundBank::playKeyDrop() { playIfIdle("drop_key.wav"); }

void SoundBank::stopAll(Names names) {
    for (std::string_view name : names) effect(name).stop();
}

void SoundBank::pauseAll(Names names) {
    for (std::string_view name : names) effect(name).pause();
}

bool SoundBank::anyPlaying(Names names) const {
    for (std::string_view name : names)
        if (effect(name).status() == VoiceStatus::Playing) return true;
    return false;
}

void SoundBank::playMenuRing() {
    const int k = pickAgainst(3, lastMenuRing);
    for (int other = 0; other < 3; ++other)
        if (other != k) effect(kMenuRings[other]).stop();
    startFromBeginning(effect(kMenuRings[k]));
}

void SoundBank::playThrow() {
    if (effect("swosch2.wav").status() == VoiceStatus::Playing || effect("swosch3.wav").status() == VoiceStatus::Playing)
        return;
    start(effect(kThrows[pickAgainst(4, lastThrow)]));
}

// A sound of one ground kind never cuts off another of its kind, but cuts off every other kind.
void SoundBank::playVariantForGround(const Names (&byGround)[3], int surface, int& memory) {
    const int own = surface - 1;
    for (int ground = 0; ground < 3; ++ground)
        if (ground != own) stopAll(byGround[ground]);
    const Names variants = byGround[own];
    if (anyPlaying(variants)) return;
    start(effect(variants[pickAgainst(static_cast<int>(variants.size()), memory)]));
}

void SoundBank::playFootstep(int surface) {
    static const Names steps[3] = {kPlainSteps, kPencilSteps, kInkSteps};
    if (isGround(surface)) {
        playVariantForGround(steps, surface, lastFootstep);
        return;
    }
    // Plain and the first ink steps only pause, so the next pick of one of them resumes it.
    pauseAll(kPlainSteps);
    pauseAll(Names(kInkSteps).first(3));
    stopAll(Names(kInkSteps).subspan(3));
    stopAll(kPencilSteps);
}

void SoundBank::playLanding(int surface) {
    static const Names landings[3] = {kPlainLandings, kPencilLandings, kInkLandings};
    if (isGround(surface)) {
        playVariantForGround(landings, surface, lastLanding);
        return;
    }
    for (const Names kind : landings) stopAll(kind);
}

void SoundBank::playJump(int surface) {
    if (surface == kPlain) {
        stopAll(kInkJumps);
        stopAll(kPencilJumps);
        playIfIdle("hoppa.wav");
    } else if (surface == kPencil || surface == kInk) {
        // Both grounds share the alternation, so a pencil jump after an ink jump takes the
        // variant the ink jump did not.
        const Names own = surface == kPencil ? Names(kPencilJumps) : Names(kInkJumps);
        const Names other = surface == kPencil ? Names(kInkJumps) : Names(kPencilJumps);
        const int chosen = jumpAlternate == 0 ? 0 : 1;
        effect("hoppa.wav").stop();
        stopAll(other);
        effect(own[1 - chosen]).stop();
        startFromBeginning(effect(own[chosen]));
        jumpAlternate = 1 - chosen;
    } else {
        effect("hoppa.wav").pause();
        effect("hoppa_ink.wav").pause();
        stopAll(kPencilJumps);
    }
}

void SoundBank::stopTracksExcept(std::initializer_list<Track> keep) {
    for (size_t i = 0; i < tracks_.size(); ++i)
        if (std::find(keep.begin(), keep.end(), static_cast<Track>(i)) == keep.end()) tracks_[i]->stop();
}

void SoundBank::startTrackIfIdle(Track which, bool loop) {
    Voice& stream = track(which);
    if (stream.status() == VoiceStatus::Playing) return;
    stream.setLoop(loop);
    stream.play();
}

// Polled every frame by the screen on show, so it also notices an intro that has ended and
// hands over to the loop.
void SoundBank::playMusicFor(Music music) {
    if (music == Music::Level1) {
        stopTracksExcept({LevelIntroTrack, LevelTrack});
        titleIntroPending = 1;
        if (levelIntroPending == 1 && track(LevelIntroTrack).status() != VoiceStatus::Playing) {
            startTrackIfIdle(LevelIntroTrack, false);
            levelIntroPending = 0;
        }
        if (track(LevelIntroTrack).status() == VoiceStatus::Stopped && levelIntroPending == 0)
            startTrackIfIdle(LevelTrack, true);
    } else if (music == Music::Level2) {
        levelIntroPending = 1;
        titleIntroPending = 1;
        stopTracksExcept({Level2Track, Wind1Track, Wind2Track});
        startTrackIfIdle(Level2Track, true);
        startTrackIfIdle(Wind1Track, true);
        startTrackIfIdle(Wind2Track, true);
    } else if (music == Music::Level3 || music == Music::Level4 || music == Music::Level5) {
        const Track own = music == Music::Level3 ? Level3Track : music == Music::Level4 ? Level4Track : Level5Track;
        levelIntroPending = 1;
        titleIntroPending = 1;
        stopTracksExcept({own});
        startTrackIfIdle(own, true);
    } else if (music == Music::Title) {
        levelIntroPending = 1;
        stopTracksExcept({TitleTrack, TitleIntroTrack});
        if (titleIntroPending == 1 && track(TitleIntroTrack).status() != VoiceStatus::Playing) {
            startTrackIfIdle(TitleIntroTrack, false);
            titleIntroPending = 0;
        }
        if (titleIntroPending == 0 && track(TitleIntroTrack).status() != VoiceStatus::Playing)
            startTrackIfIdle(TitleTrack, true);
    }
}
