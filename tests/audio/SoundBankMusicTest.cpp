#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "audio/SoundBank.h"
#include "world/Level.h"

namespace {

const std::vector<std::string> kTracks = {"level_intro.ogg", "level.ogg", "level2.ogg", "level3.ogg", "level4.ogg",
                                          "level5.ogg",      "titel.ogg", "titel_intro.ogg", "vind1.ogg", "vind2.ogg"};

struct Jukebox {
    TempDir dir;
    FakeAudio audio;
    SoundBank bank{audio};
    Jukebox() { bank.loadSounds(); }

    FakeVoice& track(const std::string& file) const { return audio.music(file); }
    std::set<std::string> playing() const {
        std::set<std::string> out;
        for (const auto& t : kTracks)
            if (track(t).playing()) out.insert(t);
        return out;
    }
};

// The music a screen or level name asks for, as the game resolves it.
Music musicOf(const std::string& name) { return name == "Titel" ? Music::Title : Level::of(name).music; }

}  // namespace

TEST(SoundBankMusic, EachNameKeepsOnlyItsOwnTracks) {
    const std::pair<std::string, std::set<std::string>> cases[] = {
        {"Level.txt", {"level_intro.ogg", "level.ogg"}},
        {"Level2.txt", {"level2.ogg", "vind1.ogg", "vind2.ogg"}},
        {"Level3.txt", {"level3.ogg"}},
        {"Level4.txt", {"level4.ogg"}},
        {"Level5.txt", {"level5.ogg"}},
        {"Titel", {"titel.ogg", "titel_intro.ogg"}},
    };
    for (const auto& [name, kept] : cases) {
        Jukebox j;
        for (const auto& t : kTracks) j.track(t).state = VoiceStatus::Playing;
        j.bank.playMusicFor(musicOf(name));
        EXPECT_EQ(j.playing(), kept) << name;
        for (const auto& t : kept) EXPECT_EQ(j.track(t).starts, 0) << name << " restarted " << t;
    }
}

TEST(SoundBankMusic, TitleIntroOnceThenLoopWithoutRestarts) {
    Jukebox j;
    FakeVoice& intro = j.track("titel_intro.ogg");
    FakeVoice& loop = j.track("titel.ogg");
    j.bank.playMusicFor(Music::Title);
    EXPECT_EQ(j.playing(), std::set<std::string>{"titel_intro.ogg"});
    EXPECT_FALSE(intro.looping);
    EXPECT_EQ(j.bank.titleIntroPending, 0);
    j.bank.playMusicFor(Music::Title);
    EXPECT_EQ(intro.starts, 1);

    // The intro ends while nobody polls: silence until the next poll hands over.
    intro.stop();
    EXPECT_TRUE(j.playing().empty());
    j.bank.playMusicFor(Music::Title);
    EXPECT_EQ(j.playing(), std::set<std::string>{"titel.ogg"});
    EXPECT_TRUE(loop.looping);
    for (int i = 0; i < 5; ++i) j.bank.playMusicFor(Music::Title);
    EXPECT_EQ(intro.starts, 1);
    EXPECT_EQ(loop.starts, 1);
}

TEST(SoundBankMusic, LevelOneIntroThenLoopAndAgainAfterAnotherLevel) {
    Jukebox j;
    j.bank.playMusicFor(Music::Title);
    j.bank.playMusicFor(Music::Level1);
    EXPECT_EQ(j.playing(), std::set<std::string>{"level_intro.ogg"});
    EXPECT_EQ(j.bank.levelIntroPending, 0);
    EXPECT_EQ(j.bank.titleIntroPending, 1);
    j.bank.playMusicFor(Music::Level1);
    EXPECT_EQ(j.track("level.ogg").starts, 0);
    j.track("level_intro.ogg").stop();
    j.bank.playMusicFor(Music::Level1);
    EXPECT_EQ(j.playing(), std::set<std::string>{"level.ogg"});
    EXPECT_TRUE(j.track("level.ogg").looping);

    // Any other screen that polls makes the next visit begin with the intro again.
    int intros = 1;
    for (const char* between : {"Level3.txt", "Titel"}) {
        j.bank.playMusicFor(musicOf(between));
        EXPECT_EQ(j.bank.levelIntroPending, 1) << between;
        j.bank.playMusicFor(Music::Level1);
        EXPECT_EQ(j.playing(), std::set<std::string>{"level_intro.ogg"}) << between;
        EXPECT_EQ(j.track("level_intro.ogg").starts, ++intros) << between;
    }
}

TEST(SoundBankMusic, MissingLevelIntroStartsTheLoopAtOnce) {
    Jukebox j;
    j.track("level_intro.ogg").loaded = false;
    j.bank.playMusicFor(Music::Level1);
    EXPECT_EQ(j.playing(), std::set<std::string>{"level.ogg"});
    EXPECT_EQ(j.bank.levelIntroPending, 0);
}

TEST(SoundBankMusic, LevelTwoWindsOnlyThereAndEveryLevelSetsBothFlags) {
    Jukebox j;
    j.bank.playMusicFor(Music::Level1);
    j.bank.playMusicFor(Music::Title);
    EXPECT_EQ(j.bank.titleIntroPending, 0);
    for (const std::string next : {"Level2.txt", "Level4.txt", "Level2.txt", "Level5.txt", "Level2.txt", "Titel"}) {
        j.bank.playMusicFor(Music::Level2);
        EXPECT_EQ(j.playing(), (std::set<std::string>{"level2.ogg", "vind1.ogg", "vind2.ogg"}));
        for (const char* t : {"level2.ogg", "vind1.ogg", "vind2.ogg"}) EXPECT_TRUE(j.track(t).looping) << t;
        EXPECT_EQ(j.bank.levelIntroPending, 1);
        EXPECT_EQ(j.bank.titleIntroPending, 1);
        j.bank.playMusicFor(musicOf(next));
        if (next != "Level2.txt") {
            EXPECT_FALSE(j.track("vind1.ogg").playing()) << next;
            EXPECT_FALSE(j.track("vind2.ogg").playing()) << next;
        }
    }
    EXPECT_EQ(j.track("level2.ogg").starts, 3);  // the back-to-back visits did not restart it
    EXPECT_EQ(j.bank.levelIntroPending, 1);
}

TEST(SoundBankMusic, UnknownNamesChangeNothing) {
    Jukebox j;
    j.bank.playMusicFor(Music::Title);
    j.track("titel_intro.ogg").stop();
    j.bank.playMusicFor(Music::Title);
    const auto before = j.playing();
    for (const char* name : {"Level6.txt", "level.txt", "LEVEL2.TXT", "titel", "Level3.txt ", ""}) {
        j.bank.playMusicFor(musicOf(name));
        EXPECT_EQ(j.playing(), before) << name;
        EXPECT_EQ(j.bank.levelIntroPending, 1) << name;
        EXPECT_EQ(j.bank.titleIntroPending, 0) << name;
    }
}
