#pragma once

#include <SFML/Audio/Music.hpp>

#include "audio/SfmlSourceVoice.h"

// A music file streamed from disk on a thread of its own while it plays.
class SfmlStreamVoice : public SfmlSourceVoice<sf::Music> {
public:
    void load(const std::string& path) override;
    // A track that could not be opened stays silent without the library complaining every frame.
    void play() override;

private:
    bool opened_ = false;
};
