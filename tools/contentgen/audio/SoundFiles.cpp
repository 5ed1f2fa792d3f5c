#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "Effects.h"
#include "Generators.h"
#include "Music.h"

namespace {

struct PcmFile {
    std::filesystem::path path;
    unsigned channels;
    std::vector<sf::Int16> samples;  // interleaved
};

sf::Int16 toPcm(float x) {
    return static_cast<sf::Int16>(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
}

PcmFile pcmOf(const std::filesystem::path& path, const Signal& mono) {
    PcmFile file{path, 1, {}};
    file.samples.reserve(mono.size());
    for (float x : mono) file.samples.push_back(toPcm(x));
    return file;
}

PcmFile pcmOf(const std::filesystem::path& path, const Stereo& stereo) {
    PcmFile file{path, 2, {}};
    file.samples.reserve(stereo.left.size() * 2);
    for (std::size_t i = 0; i < stereo.left.size(); ++i) {
        file.samples.push_back(toPcm(stereo.left[i]));
        file.samples.push_back(toPcm(stereo.right[i]));
    }
    return file;
}

bool write(const PcmFile& file) {
    // The Vorbis writer numbers its stream with rand(); a fixed seed keeps the bytes the same.
    std::srand(1);
    sf::OutputSoundFile out;
    if (!out.openFromFile(file.path.string(), kSampleRate, file.channels)) {
        std::cerr << "contentgen: cannot write " << file.path.string() << "\n";
        return false;
    }
    out.write(file.samples.data(), file.samples.size());
    return true;
}

}  // namespace

bool writeSounds(const std::filesystem::path& gameDir) {
    const std::filesystem::path soundDir = gameDir / "Content" / "Sound";
    const std::filesystem::path musicDir = gameDir / "Content" / "Music";
    std::filesystem::create_directories(soundDir);
    std::filesystem::create_directories(musicDir);

    std::vector<PcmFile> files;
    for (auto make : {stepEffects, actionEffects, objectEffects})
        for (const Effect& e : make()) files.push_back(pcmOf(soundDir / e.file, e.samples));
    for (auto make : {songTracks, windTracks})
        for (const Track& t : make()) files.push_back(pcmOf(musicDir / t.file, t.samples));

    for (const PcmFile& file : files)
        if (!write(file)) return false;
    return true;
}
