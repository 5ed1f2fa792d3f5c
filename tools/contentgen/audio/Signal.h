#pragma once

#include <cstddef>
#include <vector>

// Sample buffers and the whole-buffer operations every sound and track is assembled with.
constexpr int kSampleRate = 44100;

using Signal = std::vector<float>;

struct Stereo {
    Signal left;
    Signal right;
};

std::size_t samplesFor(double seconds);
Stereo makeStereo(std::size_t length);

// Adds `src` times `gain` from sample `offset` on; whatever falls past the end is dropped.
void addInto(Signal& dst, const Signal& src, std::size_t offset, float gain = 1.0f);
// Constant-power placement, pan -1 (left) to 1 (right).
void addPanned(Stereo& dst, const Signal& src, std::size_t offset, float gain, float pan);

void scale(Signal& s, float factor);
void scale(Stereo& s, float factor);
float peakOf(const Signal& s);
float peakOf(const Stereo& s);
double rmsOf(const Signal& s);
double rmsOf(const Stereo& s);

float dbToGain(double db);
double gainToDb(double gain);
// Scales to the given peak (dBFS); a silent buffer stays silent.
void normalizePeak(Signal& s, double peakDb);
// Scales to the given RMS (dBFS), then rounds off the few peaks above `ceilingDb` smoothly.
void normalizeLoudness(Stereo& s, double rmsDb, double ceilingDb);

// Short linear ramps so a file starts and ends at rest.
void fadeEdges(Signal& s, double inSeconds, double outSeconds);
void fadeEdges(Stereo& s, double inSeconds, double outSeconds);

// For loops built from notes: what rings on past `loopLength` sounds at the start of the next
// pass, so it is added onto the beginning and the buffer is cut to the loop.
void foldTail(Signal& s, std::size_t loopLength);
void foldTail(Stereo& s, std::size_t loopLength);

// For continuous textures (noise, hum): the stretch past `loopLength` is blended into the start
// with an equal-power crossfade, so the end flows into the beginning.
void crossfadeLoop(Signal& s, std::size_t loopLength);
void crossfadeLoop(Stereo& s, std::size_t loopLength);
