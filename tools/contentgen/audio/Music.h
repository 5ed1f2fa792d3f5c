#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Signal.h"

// One music file of the game, stereo.
struct MusicTrack {
    std::string file;
    Stereo samples;
};

// How loud every track sits: the same RMS for all music, the wind layers below it.
constexpr double kMusicRmsDb = -20.0;

// Seeds the generator from the file name, builds the track, seats it in a small room (a loop's
// room rings on across its seam), brings it to `rmsDb` and eases its edges; an intro fades out
// over its last moments.
MusicTrack makeTrack(const std::string& file, bool loop, double rmsDb, const std::function<Stereo()>& build);

std::vector<MusicTrack> songTracks();  // title and level music, intros included
std::vector<MusicTrack> windTracks();  // the two wind layers of the second level
