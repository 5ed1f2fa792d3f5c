#include <gtest/gtest.h>

#include <SFML/Audio/OutputSoundFile.hpp>
#include <chrono>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <thread>

#include "TestSupport.h"
#include "audio/SfmlAudioBackend.h"
#include "audio/SoundBank.h"
#include "audio/SoundFiles.h"

namespace {

// SFML voices, kept in reach so the test can read the streams' state.
struct RecordingBackend : AudioBackend {
    SfmlAudioBackend sfml;
    std::vector<Voice*> effects, streams;
    std::unique_ptr<Voice> makeEffect() override {
        auto v = sfml.makeEffect();
        effects.push_back(v.get());
        return v;
    }
    std::unique_ptr<Voice> makeStream() override {
        auto v = sfml.makeStream();
        streams.push_back(v.get());
        return v;
    }
};

void writeTone(const std::string& path, double seconds, unsigned rate = 44100) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    sf::OutputSoundFile file;
    ASSERT_TRUE(file.openFromFile(path, rate, 1)) << path;
    std::vector<sf::Int16> samples(static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<sf::Int16>(8000 * std::sin(static_cast<double>(i) * 0.06));
    file.write(samples.data(), samples.size());
}

bool waitFor(const std::function<bool()>& done, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

TEST(SoundBankDevice, RealFilesPlayPauseEndAndHandOverOnTheNullDevice) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    TempDir dir;
    writeTone("Content/Sound/plattform.wav", 0.3);
    writeTone("Content/Sound/walk4.wav", 0.1);
    writeTone("Content/Music/level_intro.ogg", 0.3);
    writeTone("Content/Music/level.ogg", 1.0);
    dir.write("config.ini", "[Sound]\nSound_Volume=0.5\n");
    RecordingBackend device;
    SoundBank bank(device);
    bank.loadSounds();
    EXPECT_FLOAT_EQ(device.effects[4]->volume(), 50.f);

    bank.playIfIdle("plattform.wav");
    EXPECT_TRUE(bank.isPlaying("plattform.wav"));
    bank.pause("plattform.wav");
    EXPECT_EQ(device.effects[4]->status(), VoiceStatus::Paused);
    bank.playIfIdle("plattform.wav");
    EXPECT_TRUE(bank.isPlaying("plattform.wav"));
    EXPECT_TRUE(waitFor([&] { return !bank.isPlaying("plattform.wav"); }, 5));

    Voice& intro = *device.streams[0];
    Voice& loop = *device.streams[1];
    bank.playMusicFor(Music::Level1);
    EXPECT_EQ(intro.status(), VoiceStatus::Playing);
    EXPECT_EQ(loop.status(), VoiceStatus::Stopped);
    EXPECT_TRUE(waitFor(
        [&] {
            bank.playMusicFor(Music::Level1);
            return loop.status() == VoiceStatus::Playing;
        },
        5));
    EXPECT_EQ(intro.status(), VoiceStatus::Stopped);
    bank.playMusicFor(Music::Level3);  // its file is missing: silence
    EXPECT_EQ(loop.status(), VoiceStatus::Stopped);
    for (const Voice* stream : device.streams) EXPECT_NE(stream->status(), VoiceStatus::Playing);

    // The intro ended by itself and was never stopped since: it must still play in full.
    const auto again = std::chrono::steady_clock::now();
    bank.playMusicFor(Music::Level1);
    EXPECT_EQ(intro.status(), VoiceStatus::Playing);
    EXPECT_TRUE(waitFor(
        [&] {
            bank.playMusicFor(Music::Level1);
            return loop.status() == VoiceStatus::Playing;
        },
        5));
    EXPECT_GE(std::chrono::duration<double>(std::chrono::steady_clock::now() - again).count(), 0.25);
}

TEST(SoundBankDevice, MissingContentLoadsAndEveryRuleStillRuns) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    TempDir dir;
    RecordingBackend device;
    SoundBank bank(device);
    bank.loadSounds();
    for (int surface : {1, 2, 3, 0}) {
        bank.playFootstep(surface);
        bank.playJump(surface);
        bank.playLanding(surface);
    }
    bank.playMenuRing();
    bank.playThrow();
    bank.playDoorOpen();
    bank.playIfIdle("sudd_ink.wav");
    EXPECT_FALSE(bank.isPlaying("sudd_ink.wav"));
    bank.pause("sudd_ink.wav");
    for (const Voice* effect : device.effects) EXPECT_NE(effect->status(), VoiceStatus::Playing);
    for (const Music music : {Music::Title, Music::Level1, Music::Level2, Music::Level5}) bank.playMusicFor(music);
    for (const Voice* stream : device.streams) EXPECT_NE(stream->status(), VoiceStatus::Playing);
    EXPECT_EQ(bank.levelIntroPending, 1);
    EXPECT_FLOAT_EQ(device.streams[5]->volume(), 60.f);
}

// Start-up cost of loading a full set of content; run by hand with
// --gtest_also_run_disabled_tests. Prints numbers, asserts none.
TEST(SoundBankDevice, DISABLED_MeasureLoadCost) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    TempDir dir;
    for (const SoundFile& f : effectFiles) writeTone("Content/Sound/" + std::string(f.name), 1.0);
    for (const SoundFile& f : musicFiles) writeTone("Content/Music/" + std::string(f.name), 60.0);
    const auto millisecondsOf = [](const std::function<void()>& work) {
        const auto start = std::chrono::steady_clock::now();
        work();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    RecordingBackend device;
    SoundBank bank(device);
    for (int run = 0; run < 5; ++run) std::printf("loadSounds, all files: %.1f ms\n", millisecondsOf([&] { bank.loadSounds(); }));
    std::filesystem::rename("Content/Music", "Music.away");
    std::printf("loadSounds, effects only: %.1f ms\n", millisecondsOf([&] { bank.loadSounds(); }));
    std::filesystem::rename("Music.away", "Content/Music");
    std::filesystem::rename("Content/Sound", "Sound.away");
    std::printf("loadSounds, music only: %.1f ms\n", millisecondsOf([&] { bank.loadSounds(); }));
    std::filesystem::rename("Sound.away", "Content/Sound");
    bank.loadSounds();
    std::printf("first Level2.txt frame (three streams start): %.2f ms\n",
                millisecondsOf([&] { bank.playMusicFor(Music::Level2); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::printf("first Level3.txt frame (three streams stop, one starts): %.2f ms\n",
                millisecondsOf([&] { bank.playMusicFor(Music::Level3); }));
    std::printf("a steady Level3.txt frame: %.3f ms\n", millisecondsOf([&] { bank.playMusicFor(Music::Level3); }));
    std::printf("a footstep: %.3f ms\n", millisecondsOf([&] { bank.playFootstep(1); }));
}
