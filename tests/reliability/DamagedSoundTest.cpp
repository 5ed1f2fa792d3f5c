#include <gtest/gtest.h>

#include <SFML/Audio/OutputSoundFile.hpp>

#include "ReliabilitySupport.h"
#include "audio/SfmlAudioBackend.h"

// Sound files a player can replace: a header may claim any size, and the decoder sizes its
// buffers from it before reading a sample.
namespace {
void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

// A PCM WAV header followed by a few silent bytes, whatever it claims.
std::string wav(std::uint32_t dataBytes, std::uint16_t channels, std::uint32_t rate) {
    std::string out = "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, channels, 2);
    put(out, rate, 4);
    put(out, rate * channels * 2, 4);
    put(out, channels * 2u, 2);
    put(out, 16, 2);
    out += "data";
    put(out, dataBytes, 4);
    return out + std::string(64, '\0');
}
}  // namespace

TEST(DamagedSound, HeadersClaimingHugeSizesAreNotLoaded) {
    TempDir dir;
    dir.write("long.wav", wav(0xFFFFFFF0u, 1, 44100));         // 4 GiB of samples, decoded whole
    dir.write("fast.ogg", wav(64, 2, 0x7FFFFFF0u));             // a one-second stream buffer of 8 GiB
    dir.write("many.ogg", wav(64, 0xFFFF, 44100));
    SfmlAudioBackend backend;
    const long before = peakRssKiB();
    auto effect = backend.makeEffect();
    effect->load("long.wav");
    effect->play();
    for (const char* name : {"fast.ogg", "many.ogg"}) {
        auto music = backend.makeStream();
        music->load(name);
        music->play();
        EXPECT_EQ(music->status(), VoiceStatus::Stopped) << name;
    }
    EXPECT_LT(peakRssKiB() - before, 64 * 1024) << "a claimed size was allocated";
}

TEST(DamagedSound, OrdinaryFilesStillPlay) {
    TempDir dir;
    {
        sf::OutputSoundFile file;
        ASSERT_TRUE(file.openFromFile("tone.wav", 44100, 2));
        const std::vector<sf::Int16> samples(44100 * 2, 1000);
        file.write(samples.data(), samples.size());
    }
    SfmlAudioBackend backend;
    auto effect = backend.makeEffect();
    effect->load("tone.wav");
    effect->play();
    EXPECT_EQ(effect->status(), VoiceStatus::Playing);
    auto music = backend.makeStream();
    music->load("tone.wav");
    music->play();
    EXPECT_EQ(music->status(), VoiceStatus::Playing);
}
