#pragma once

#include <SFML/Audio/Music.hpp>

#include "audio/SfmlSourceVoice.h"

// A music file streamed from disk on a thread of its own while it plays.
class SfmlStreamVoice : public SfmlSourceVoice<sf::Music> {
public:
    void load(const std::string& path) override;
};
