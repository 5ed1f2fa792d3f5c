#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Effects.h"
#include "Generators.h"
#include "Music.h"
#include "platform/FileWriter.h"

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

// Making the audio takes seconds, and the build runs this tool whenever the game is relinked.
// The files depend on nothing but this program, so a stamp holding the program's own hash and
// the list of files lets an unchanged program skip the work.
std::string programHash() {
    std::ifstream in("/proc/self/exe", std::ios::binary);
    if (!in) return "";
    std::uint64_t hash = 14695981039346656037ull;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
    std::ostringstream text;
    text << std::hex << hash;
    return text.str();
}

bool upToDate(const std::filesystem::path& stamp, const std::string& hash, const std::filesystem::path& gameDir) {
    std::ifstream in(stamp);
    std::string line;
    if (hash.empty() || !std::getline(in, line) || line != "audio " + hash) return false;
    int files = 0;
    for (; std::getline(in, line); ++files)
        if (!std::filesystem::exists(gameDir / line)) return false;
    return files > 0;
}

}  // namespace

bool writeSounds(const std::filesystem::path& gameDir) {
    const std::filesystem::path soundDir = gameDir / "Content" / "Sound";
    const std::filesystem::path musicDir = gameDir / "Content" / "Music";
    const std::filesystem::path stamp = gameDir / "Content" / "audio.stamp";
    const std::string hash = programHash();
    if (upToDate(stamp, hash, gameDir)) return true;
    std::filesystem::create_directories(soundDir);
    std::filesystem::create_directories(musicDir);

    std::vector<PcmFile> files;
    for (auto make : {stepEffects, actionEffects, objectEffects})
        for (const Effect& e : make()) files.push_back(pcmOf(soundDir / e.file, e.samples));
    for (auto make : {songTracks, windTracks})
        for (const MusicTrack& t : make()) files.push_back(pcmOf(musicDir / t.file, t.samples));

    std::string list = "audio " + hash + "\n";
    for (const PcmFile& file : files) {
        if (!write(file)) return false;
        list += file.path.lexically_relative(gameDir).generic_string() + "\n";
    }
    if (!hash.empty() && !writeFileAtomically(stamp.string(), list)) {
        std::cerr << "contentgen: cannot write " << stamp.string() << "\n";
        return false;
    }
    return true;
}
