#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A file of the bank with the factor its volume setting is multiplied by (0..100 scale).
struct SoundFile {
    std::string_view name;
    float factor;
};

// Under "Content/Sound/", in loading order.
extern const std::array<SoundFile, 53> effectFiles;

// Under "Content/Music/", in opening order; `Track` indexes this table.
extern const std::array<SoundFile, 10> musicFiles;

enum Track : std::size_t {
    LevelIntroTrack,
    LevelTrack,
    Level2Track,
    Level3Track,
    Level4Track,
    Level5Track,
    TitleTrack,
    TitleIntroTrack,
    Wind1Track,
    Wind2Track,
};
