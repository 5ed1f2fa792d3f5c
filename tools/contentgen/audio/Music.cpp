#include "Music.h"

#include "Dsp.h"
#include "Reverb.h"

MusicTrack makeTrack(const std::string& file, bool loop, double rmsDb, const std::function<Stereo()>& build) {
    seedFromName(file);
    MusicTrack track{file, build()};
    Reverb room(0.6f, 0.45f);
    room.apply(track.samples, 0.25f, loop);
    normalizeLoudness(track.samples, rmsDb, -1.0);
    fadeEdges(track.samples, 0.004, loop ? 0.004 : 0.4);
    return track;
}
