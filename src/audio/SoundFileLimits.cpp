#include "audio/SoundFileLimits.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <filesystem>

bool soundFileWithinLimits(const std::string& path, std::uint64_t maxSamples) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    sf::InputSoundFile file;
    if (!file.openFromFile(path)) return false;
    const unsigned channels = file.getChannelCount();
    const unsigned rate = file.getSampleRate();
    return channels >= 1 && channels <= 8 && rate >= 1 && rate <= 192000 && file.getSampleCount() <= maxSamples;
}
