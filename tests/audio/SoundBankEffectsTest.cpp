#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "audio/SfmlAudioBackend.h"
#include "audio/SoundBank.h"
#include "platform/Random.h"

namespace {

using Files = std::vector<std::string>;

// By surface - 1: plain, pencil, ink.
const Files kSteps[3] = {
    {"walk1.wav", "walk2.wav", "walk3.wav", "walk4.wav", "walk5.wav", "walk6.wav", "walk7.wav"},
    {"walk1_bly.wav", "walk2_bly.wav", "walk3_bly.wav", "walk4_bly.wav", "walk5_bly.wav", "walk6_bly.wav", "walk7_bly.wav"},
    {"walk1_ink.wav", "walk2_ink.wav", "walk3_ink.wav", "walk4_ink.wav", "walk5_ink.wav", "walk6_ink.wav", "walk7_ink.wav"}};
const Files kLandings[3] = {{"landa.wav", "landa2.wav", "landa3.wav"},
                            {"landa_bly.wav", "landa2_bly.wav", "landa3_bly.wav"},
                            {"landa_ink.wav", "landa2_ink.wav", "landa3_ink.wav"}};
const Files kRings = {"ringain_meny.wav", "ringain_meny2.wav", "ringain_meny3.wav"};
const Files kThrows = {"swosch1.wav", "swosch2.wav", "swosch3.wav", "swosch4.wav", "swosch5.wav"};
const Files kJumps = {"hoppa.wav", "hoppa_ink.wav", "hoppa2_ink.wav", "hoppa_bly.wav", "hoppa_bly2.wav"};

// A loaded bank over fake voices in an empty folder.
struct Bench {
    TempDir dir;
    FakeAudio audio;
    SoundBank bank{audio};
    Bench() { bank.loadSounds(); }

    // Index of the one playing voice among `files`, -1 when none, -2 when several.
    int playingOf(const Files& files) const {
        int found = -1;
        for (size_t i = 0; i < files.size(); ++i)
            if (audio.effect(files[i]).playing()) found = found == -1 ? static_cast<int>(i) : -2;
        return found;
    }
    void setAll(const Files& files, VoiceStatus status) const {
        for (const auto& f : files) audio.effect(f).state = status;
    }
    VoiceStatus status(const std::string& file) const { return audio.effect(file).state; }
};

}  // namespace

TEST(SoundBankLoading, EveryFileFromItsFolderInLoadingOrder) {
    Bench b;
    Files names;
    for (const FakeVoice* v : b.audio.effects) names.push_back(v->path.substr(v->path.rfind('/') + 1));
    ASSERT_EQ(b.audio.effects.size(), 53u);
    EXPECT_EQ(b.audio.effects[0]->path, "Content/Sound/activate_arrow.wav");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 53u);
    EXPECT_EQ(Files(names.begin() + 10, names.begin() + 15),
              (Files{"drop_key.wav", "walk1.wav", "walk1_ink.wav", "walk1_bly.wav", "walk2.wav"}));
    EXPECT_EQ(Files(names.begin() + 32, names.begin() + 37), kJumps);
    EXPECT_EQ(Files(names.begin() + 46, names.end()),
              (Files{"swosch1.wav", "swosch2.wav", "swosch3.wav", "swosch4.wav", "swosch5.wav", "sudd_bly.wav",
                     "sudd_ink.wav"}));
    Files tracks;
    for (const FakeVoice* v : b.audio.streams) tracks.push_back(v->path);
    EXPECT_EQ(tracks, (Files{"Content/Music/level_intro.ogg", "Content/Music/level.ogg", "Content/Music/level2.ogg",
                             "Content/Music/level3.ogg", "Content/Music/level4.ogg", "Content/Music/level5.ogg",
                             "Content/Music/titel.ogg", "Content/Music/titel_intro.ogg", "Content/Music/vind1.ogg",
                             "Content/Music/vind2.ogg"}));
}

TEST(SoundBankLoading, VolumesFromConfigTimesEachFactor) {
    Bench b;
    b.dir.write("config.ini", "[Sound]\nMusic_Volume = 0.5\nSound_Volume = 0.5\n");
    b.bank.loadSounds();
    // Every effect by its gain factor; the ground groups are checked whole.
    const std::pair<float, Files> gains[] = {
        {50, {"activate_arrow.wav", "ringain_meny.wav", "ringain_meny2.wav", "ringain_meny3.wav", "hoppa_bly.wav",
              "hoppa_bly2.wav"}},
        {100, {"plattform.wav", "break_key.wav", "break_arrow.wav", "pickup_key.wav", "drop_key.wav", "hoppa.wav",
               "hoppa_ink.wav", "hoppa2_ink.wav", "sudd_ink.wav"}},
        {20, {"close_door.wav", "open_door.wav"}},
        {80, kThrows},
        {25, {"sudd_bly.wav"}},
        {80, kSteps[0]}, {100, kSteps[1]}, {100, kSteps[2]},
        {80, kLandings[0]}, {50, kLandings[1]}, {100, kLandings[2]}};
    size_t effects = 0;
    for (const auto& [gain, files] : gains)
        for (const std::string& file : files) {
            EXPECT_FLOAT_EQ(b.audio.effect(file).level, gain / 2) << file;
            ++effects;
        }
    EXPECT_EQ(effects, b.audio.effects.size());
    for (const FakeVoice* track : b.audio.streams)
        EXPECT_FLOAT_EQ(track->level, track->path == "Content/Music/level5.ogg" ? 37.5f : 50.f) << track->path;

    // A missing volume is the shipped one, above 1 is held at 1, and text that is no number
    // is the shipped one too, never silence.
    b.dir.write("config.ini", "[Sound]\nSound_Volume = 2\n");
    b.bank.loadSounds();
    EXPECT_FLOAT_EQ(b.audio.effect("walk1.wav").level, 80.f);
    EXPECT_FLOAT_EQ(b.audio.music("vind2.ogg").level, 80.f);
    b.dir.write("config.ini", "[Sound]\nMusic_Volume = loud\n");
    b.bank.loadSounds();
    EXPECT_FLOAT_EQ(b.audio.music("titel.ogg").level, 80.f);
    b.bank.setSoundVolume(0);
    for (const FakeVoice* v : b.audio.effects) EXPECT_EQ(v->level, 0.f) << v->path;
}

TEST(SoundBankPicks, FirstPickNeverFirstVariantAndNoGroupRepeatsAcrossGroundKinds) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Random grounds(seed);
        Bench b;
        b.bank.seed(seed);
        int previous[4] = {0, 0, 0, 0};  // footstep, landing, ring, throw
        std::set<int> throws, rings;
        for (int i = 0; i < 30; ++i) {
            const int surface = 1 + grounds.between(0, 2);
            b.bank.playFootstep(surface);
            b.bank.playLanding(surface);
            b.bank.playMenuRing();
            b.bank.playThrow();
            const int picked[4] = {b.playingOf(kSteps[surface - 1]), b.playingOf(kLandings[surface - 1]),
                                   b.playingOf(kRings), b.playingOf(kThrows)};
            for (int g = 0; g < 4; ++g) {
                ASSERT_GE(picked[g], 0) << "group " << g << " seed " << seed;
                ASSERT_NE(picked[g], previous[g]) << "group " << g << " seed " << seed << " pick " << i;
                previous[g] = picked[g];
            }
            EXPECT_EQ(b.bank.lastFootstep, picked[0]);
            throws.insert(picked[3]);
            rings.insert(picked[2]);
            b.audio.finishAll();
        }
        // After the first pick every variant takes its turn, the first one too; the fifth
        // throw sound is never chosen.
        EXPECT_EQ(throws, (std::set<int>{0, 1, 2, 3})) << "seed " << seed;
        EXPECT_EQ(rings, (std::set<int>{0, 1, 2})) << "seed " << seed;
    }
}

TEST(SoundBankGround, SameKindNeverCutsOffAnotherKindCutsAtOnce) {
    const auto check = [](void (SoundBank::*play)(int), const Files(&kinds)[3]) {
        Bench b;
        (b.bank.*play)(1);
        const int first = b.playingOf(kinds[0]);
        ASSERT_GE(first, 0);
        (b.bank.*play)(1);
        EXPECT_EQ(b.playingOf(kinds[0]), first);
        EXPECT_EQ(b.audio.effect(kinds[0][first]).starts, 1);
        EXPECT_FALSE(b.audio.effect(kinds[0][first]).looping);
        (b.bank.*play)(3);
        EXPECT_EQ(b.status(kinds[0][first]), VoiceStatus::Stopped);
        EXPECT_GE(b.playingOf(kinds[2]), 0);
        (b.bank.*play)(2);
        EXPECT_EQ(b.playingOf(kinds[2]), -1);
        EXPECT_GE(b.playingOf(kinds[1]), 0);
    };
    check(&SoundBank::playFootstep, kSteps);
    check(&SoundBank::playLanding, kLandings);
}

TEST(SoundBankGround, SilencePausesOrStopsExactlyTheListedVoices) {
    Bench b;
    for (const auto& kind : kSteps) b.setAll(kind, VoiceStatus::Playing);
    for (const auto& kind : kLandings) b.setAll(kind, VoiceStatus::Playing);
    b.bank.playFootstep(0);
    b.bank.playLanding(-1);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(b.status(kSteps[0][i]), VoiceStatus::Paused) << i;
        EXPECT_EQ(b.status(kSteps[1][i]), VoiceStatus::Stopped) << i;
        EXPECT_EQ(b.status(kSteps[2][i]), i < 3 ? VoiceStatus::Paused : VoiceStatus::Stopped) << i;
    }
    for (const auto& kind : kLandings) EXPECT_EQ(b.playingOf(kind), -1);

    // A paused footstep picked again goes on mid-sound.
    b.bank.playFootstep(1);
    const int picked = b.playingOf(kSteps[0]);
    ASSERT_GE(picked, 0);
    EXPECT_EQ(b.audio.effect(kSteps[0][picked]).resumes, 1);
    EXPECT_EQ(b.audio.effect(kSteps[0][picked]).starts, 0);
}

TEST(SoundBankJumps, PencilAndInkAlternateThroughOneSharedMemory) {
    Bench b;
    FakeVoice& bly = b.audio.effect("hoppa_bly.wav");
    FakeVoice& bly2 = b.audio.effect("hoppa_bly2.wav");
    FakeVoice& ink = b.audio.effect("hoppa_ink.wav");
    b.bank.playJump(2);
    EXPECT_EQ(b.playingOf(kJumps), 3);
    EXPECT_EQ(b.bank.jumpAlternate, 1);
    b.bank.playJump(2);  // cuts the first off
    EXPECT_EQ(b.playingOf(kJumps), 4);
    EXPECT_EQ(b.bank.jumpAlternate, 0);
    b.bank.playJump(2);
    EXPECT_EQ(b.playingOf(kJumps), 3);
    EXPECT_EQ(bly.starts, 2);
    EXPECT_EQ(bly2.starts, 1);

    // Ink takes the variant the pencil jump did not.
    b.bank.playJump(3);
    EXPECT_EQ(b.playingOf(kJumps), 2);
    EXPECT_EQ(b.bank.jumpAlternate, 0);

    // A paused ink jump begins again rather than resuming.
    ink.state = VoiceStatus::Paused;
    b.bank.playJump(3);
    EXPECT_EQ(b.playingOf(kJumps), 1);
    EXPECT_EQ(ink.resumes, 0);
    EXPECT_FALSE(ink.looping);
}

TEST(SoundBankJumps, PlainJumpNeverOverlapsItselfAndSilenceLeavesSecondInkJump) {
    Bench b;
    b.bank.playJump(3);
    b.bank.playJump(1);
    EXPECT_EQ(b.playingOf(kJumps), 0);
    b.bank.playJump(1);
    EXPECT_EQ(b.audio.effect("hoppa.wav").starts, 1);

    b.setAll(kJumps, VoiceStatus::Playing);
    b.bank.playJump(0);
    const VoiceStatus expected[] = {VoiceStatus::Paused, VoiceStatus::Paused, VoiceStatus::Playing,
                                    VoiceStatus::Stopped, VoiceStatus::Stopped};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(b.status(kJumps[i]), expected[i]) << kJumps[i];
}

TEST(SoundBankSingles, PlayIfIdleNeverRestartsAndPausedResumes) {
    Bench b;
    FakeVoice& platform = b.audio.effect("plattform.wav");
    platform.looping = true;
    b.bank.playIfIdle("plattform.wav");
    b.bank.playIfIdle("plattform.wav");
    EXPECT_EQ(platform.starts, 1);
    EXPECT_FALSE(platform.looping);
    b.bank.pause("plattform.wav");
    EXPECT_FALSE(b.bank.isPlaying("plattform.wav"));
    b.bank.playIfIdle("plattform.wav");
    EXPECT_EQ(platform.resumes, 1);
    EXPECT_TRUE(b.bank.isPlaying("plattform.wav"));

    b.bank.playDoorOpen();
    b.bank.playKeyBreak();
    b.bank.playKeyDrop();
    b.bank.playArrowActivate();
    for (const char* f : {"open_door.wav", "break_key.wav", "drop_key.wav", "activate_arrow.wav"})
        EXPECT_TRUE(b.bank.isPlaying(f)) << f;
    b.bank.playIfIdle("no_such.wav");
    b.bank.pause("no_such.wav");
    EXPECT_FALSE(b.bank.isPlaying("no_such.wav"));
}

TEST(SoundBankSingles, ThrowWaitsOnlyForSecondAndThirdAndMenuRingRestarts) {
    Bench b;
    b.audio.effect("swosch3.wav").state = VoiceStatus::Playing;
    b.bank.playThrow();
    EXPECT_EQ(b.bank.lastThrow, 0);
    b.audio.finishAll();
    b.audio.effect("swosch4.wav").state = VoiceStatus::Playing;
    b.bank.playThrow();
    EXPECT_NE(b.bank.lastThrow, 0);

    b.bank.lastMenuRing = 1;
    b.setAll(kRings, VoiceStatus::Playing);
    b.bank.playMenuRing();
    EXPECT_EQ(b.playingOf(kRings), b.bank.lastMenuRing);
    EXPECT_EQ(b.audio.effect(kRings[b.bank.lastMenuRing]).starts, 1);  // again, although it was playing
}
