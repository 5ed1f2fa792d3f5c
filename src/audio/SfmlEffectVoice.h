#pragma once

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include "audio/SfmlSourceVoice.h"

// A whole effect file decoded into memory with the one sound that plays it.
class SfmlEffectVoice : public SfmlSourceVoice<sf::Sound> {
public:
    void load(const std::string& path) override;

private:
    sf::SoundBuffer buffer_;
};
