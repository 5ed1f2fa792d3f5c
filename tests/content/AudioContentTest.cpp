#include <SFML/Audio/InputSoundFile.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "audio/SoundFiles.h"

// The sounds and music the build writes into the game folder, checked as the game will load them:
// every file of the sound bank's tables.
namespace {

const std::filesystem::path kGameDir = TORVE_GAME_DIR;

const std::vector<std::string> kLoopedEffects{"plattform.wav", "sudd_bly.wav", "sudd_ink.wav"};

bool isIntro(const std::string& track) { return track.find("_intro") != std::string::npos; }
bool isWind(const std::string& track) { return track.rfind("vind", 0) == 0; }

struct Sound {
    bool opened = false;
    unsigned rate = 0;
    unsigned channels = 0;
    std::vector<float> mono;  // channels averaged

    double seconds() const { return rate ? static_cast<double>(mono.size()) / rate : 0.0; }
};

Sound decode(const std::filesystem::path& path) {
    Sound sound;
    sf::InputSoundFile file;
    if (!file.openFromFile(path.string())) return sound;
    sound.opened = true;
    sound.rate = file.getSampleRate();
    sound.channels = file.getChannelCount();
    std::vector<sf::Int16> samples(static_cast<std::size_t>(file.getSampleCount()));
    samples.resize(static_cast<std::size_t>(file.read(samples.data(), samples.size())));
    for (std::size_t i = 0; i + sound.channels <= samples.size(); i += sound.channels) {
        float sum = 0.0f;
        for (unsigned c = 0; c < sound.channels; ++c) sum += samples[i + c] / 32768.0f;
        sound.mono.push_back(sum / static_cast<float>(sound.channels));
    }
    return sound;
}

float peak(const std::vector<float>& x) {
    float p = 0.0f;
    for (float v : x) p = std::max(p, std::fabs(v));
    return p;
}

double rmsDb(const std::vector<float>& x, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(x[i]) * x[i];
    return 10.0 * std::log10(std::max(sum / static_cast<double>(std::max<std::size_t>(1, to - from)), 1e-12));
}

double rmsDb(const std::vector<float>& x) { return rmsDb(x, 0, x.size()); }

// Share of the energy above about 2 kHz (two one-pole highpasses), in dB: how bright it is.
double brightnessDb(const std::vector<float>& x, unsigned rate) {
    const double a = 1.0 - std::exp(-2.0 * 3.14159265 * 2000.0 / rate);
    double low1 = 0.0, low2 = 0.0, high = 0.0, all = 0.0;
    for (float v : x) {
        low1 += a * (v - low1);
        const double h1 = v - low1;
        low2 += a * (h1 - low2);
        const double h2 = h1 - low2;
        high += h2 * h2;
        all += static_cast<double>(v) * v;
    }
    return 10.0 * std::log10(high / all);
}

double meanBrightness(const std::vector<std::string>& names) {
    double sum = 0.0;
    for (const std::string& name : names) {
        const Sound s = decode(kGameDir / "Content/Sound" / name);
        sum += brightnessDb(s.mono, s.rate);
    }
    return sum / static_cast<double>(names.size());
}

std::vector<std::string> family(const std::vector<std::string>& stems, const std::string& suffix) {
    std::vector<std::string> names;
    for (const std::string& stem : stems) names.push_back(stem + suffix + ".wav");
    return names;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file: decodes at 44.1 kHz, is heard (not silent), never reaches full scale and starts and
// ends at rest, so neither a start nor a loop's seam clicks.
Sound expectWellFormed(const std::filesystem::path& path) {
    SCOPED_TRACE(path.filename().string());
    Sound s = decode(path);
    EXPECT_TRUE(s.opened);
    EXPECT_EQ(s.rate, 44100u);
    if (s.mono.empty()) {
        ADD_FAILURE() << "no samples";
        return s;
    }
    EXPECT_LT(peak(s.mono), 0.97f);
    EXPECT_GT(rmsDb(s.mono), -45.0);
    EXPECT_LT(std::fabs(s.mono.front()), 0.01f);
    EXPECT_LT(std::fabs(s.mono.back()), 0.01f);
    return s;
}

}  // namespace

TEST(AudioContent, EveryEffectIsAShortCleanWav) {
    for (const SoundFile& file : effectFiles) {
        const std::string name(file.name);
        const Sound s = expectWellFormed(kGameDir / "Content/Sound" / name);
        const bool looped = std::find(kLoopedEffects.begin(), kLoopedEffects.end(), name) != kLoopedEffects.end();
        if (looped) {
            EXPECT_NEAR(s.seconds(), 2.0, 0.1) << name;
        } else {
            EXPECT_GT(s.seconds(), 0.1) << name;
            EXPECT_LT(s.seconds(), 0.7) << name;
        }
    }
}

TEST(AudioContent, EveryTrackIsACleanOggOfTheRightLength) {
    for (const SoundFile& file : musicFiles) {
        const std::string name(file.name);
        const double seconds = expectWellFormed(kGameDir / "Content/Music" / name).seconds();
        if (isIntro(name)) {
            EXPECT_GT(seconds, 5.0) << name;
            EXPECT_LT(seconds, 30.0) << name;
        } else {
            EXPECT_GE(seconds, 45.0) << name;
        }
    }
}

TEST(AudioContent, MusicSitsAtOneLoudnessWithTheWindBelowIt) {
    std::vector<double> music, wind;
    for (const SoundFile& file : musicFiles) {
        const std::string name(file.name);
        (isWind(name) ? wind : music).push_back(rmsDb(decode(kGameDir / "Content/Music" / name).mono));
    }
    ASSERT_EQ(wind.size(), 2u);
    const auto [quietest, loudest] = std::minmax_element(music.begin(), music.end());
    EXPECT_LT(*loudest - *quietest, 2.0);
    EXPECT_GT(*quietest, -26.0);
    EXPECT_LT(*loudest, -14.0);
    for (double level : wind) EXPECT_LT(level, *quietest - 3.0);
}

// The eraser and the platform resume mid-sound and restart at once when they run out, so their
// texture must run on across the seam without a gap.
TEST(AudioContent, LoopedEffectsKeepTheirLevelAcrossTheSeam) {
    for (const std::string& name : kLoopedEffects) {
        const Sound s = decode(kGameDir / "Content/Sound" / name);
        const std::size_t window = s.rate / 10;
        ASSERT_GT(s.mono.size(), 4 * window);
        const double middle = rmsDb(s.mono, s.mono.size() / 2 - window / 2, s.mono.size() / 2 + window / 2);
        EXPECT_NEAR(rmsDb(s.mono, 0, window), middle, 6.0) << name;
        EXPECT_NEAR(rmsDb(s.mono, s.mono.size() - window, s.mono.size()), middle, 6.0) << name;
    }
}

TEST(AudioContent, VariantsOfAGroupAreDifferentSounds) {
    const std::vector<std::vector<std::string>> groups{
        {"walk1.wav", "walk2.wav", "walk3.wav", "walk4.wav", "walk5.wav", "walk6.wav", "walk7.wav"},
        {"walk1_ink.wav", "walk2_ink.wav", "walk3_ink.wav", "walk4_ink.wav", "walk5_ink.wav", "walk6_ink.wav",
         "walk7_ink.wav"},
        {"walk1_bly.wav", "walk2_bly.wav", "walk3_bly.wav", "walk4_bly.wav", "walk5_bly.wav", "walk6_bly.wav",
         "walk7_bly.wav"},
        {"landa.wav", "landa2.wav", "landa3.wav"},
        {"hoppa_ink.wav", "hoppa2_ink.wav"},
        {"hoppa_bly.wav", "hoppa_bly2.wav"},
        {"swosch1.wav", "swosch2.wav", "swosch3.wav", "swosch4.wav", "swosch5.wav"},
        {"ringain_meny.wav", "ringain_meny2.wav", "ringain_meny3.wav"}};
    for (const auto& group : groups)
        for (std::size_t a = 0; a < group.size(); ++a)
            for (std::size_t b = a + 1; b < group.size(); ++b) {
                const Sound x = decode(kGameDir / "Content/Sound" / group[a]);
                const Sound y = decode(kGameDir / "Content/Sound" / group[b]);
                // The difference between the two must be about as strong as the sounds themselves.
                std::vector<float> difference(std::max(x.mono.size(), y.mono.size()), 0.0f);
                for (std::size_t i = 0; i < difference.size(); ++i)
                    difference[i] = (i < x.mono.size() ? x.mono[i] : 0.0f) - (i < y.mono.size() ? y.mono[i] : 0.0f);
                EXPECT_GT(rmsDb(difference), std::min(rmsDb(x.mono), rmsDb(y.mono)) - 3.0)
                    << group[a] << " vs " << group[b];
            }
}

TEST(AudioContent, InkAndPencilSoundBrighterUnderFootThanPlainGround) {
    const std::vector<std::string> steps{"walk1", "walk2", "walk3", "walk4", "walk5", "walk6", "walk7"};
    const std::vector<std::string> landings{"landa", "landa2", "landa3"};
    for (const auto* stems : {&steps, &landings}) {
        const double plain = meanBrightness(family(*stems, ""));
        EXPECT_GT(meanBrightness(family(*stems, "_ink")), plain + 3.0) << stems->front();
        EXPECT_GT(meanBrightness(family(*stems, "_bly")), plain + 3.0) << stems->front();
    }
}

// Writing the folder again from scratch gives the same bytes (fixed seeds, nothing from the clock).
TEST(AudioContent, GeneratingAgainGivesTheSameBytes) {
    const std::filesystem::path contentgen = std::filesystem::path(TORVE_SIM_EXE).parent_path() / "contentgen";
    ASSERT_TRUE(std::filesystem::exists(contentgen)) << contentgen;
    TempDir dir;
    const std::string command = "ALSOFT_DRIVERS=null '" + contentgen.string() + "' --out '" + dir.path().string() +
                                "' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> files;
    for (const SoundFile& f : effectFiles) files.push_back("Content/Sound/" + std::string(f.name));
    for (const SoundFile& f : musicFiles) files.push_back("Content/Music/" + std::string(f.name));
    for (const std::string& file : files) {
        const std::string again = bytesOf(dir.path() / file);
        EXPECT_FALSE(again.empty()) << file;
        EXPECT_TRUE(again == bytesOf(kGameDir / file)) << file;
    }
}
