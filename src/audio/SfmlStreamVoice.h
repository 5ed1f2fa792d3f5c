#pragma once

#include <SFML/Audio/Music.hpp>

#include "audio/SfmlSourceVoice.h"

// A music file streamed from disk on a thread of its own while it plays.
class SfmlStreamVoice : public SfmlSourceVoice<sf::Music> {
public:
    void load(const std::string& path) override;
    // A track that could not be opened stays silent without the library complaining every frame.
    void play() override;
    // The bank stops every other track each frame, and each stop seeks the file back to its
    // start; a stream that has not played since its last stop is still there. One that ended
    // by itself is not, so the status alone cannot tell.
    void stop() override;

private:
    bool opened_ = false;
    bool rewound_ = false;
};
