#include <cmath>
#include <numbers>

#include "Dsp.h"
#include "Music.h"

// Two wind layers for the second level. Every slow movement (gusts, the pitch of the air) makes
// a whole number of cycles over the loop, and the noise is crossfaded across the seam.
namespace {

constexpr double kWindSeconds = 48.0;
constexpr std::size_t kControlStep = 32;

// A sum of sines whose cycle counts per loop are whole numbers, scaled to about -1..1.
struct Drift {
    double cycles[3];
    double phases[3];
    double at(double t) const {
        double sum = 0.0;
        for (int k = 0; k < 3; ++k)
            sum += std::sin(2.0 * std::numbers::pi * (cycles[k] * t / kWindSeconds + phases[k])) / (k + 1.0);
        return sum / 1.83;
    }
};

struct Air {
    double centreHz;
    double spread;  // octaves the centre wanders up and down
    float q;
    Drift pitch;
    Drift gusts;
    double gustFloor;  // level between gusts, 0..1
    double gustPower;  // higher makes the gusts rarer and sharper
};

Stereo wind(const Air& air) {
    const std::size_t loop = samplesFor(kWindSeconds);
    Stereo out = makeStereo(loop + samplesFor(2.0));
    for (int side = 0; side < 2; ++side) {
        Signal& channel = side == 0 ? out.left : out.right;
        Svf band;
        OnePole rumble(150.0);
        const double lean = side == 0 ? -0.01 : 0.01;  // each ear hears the gust a moment apart
        float level = 0.0f;
        for (std::size_t i = 0; i < channel.size(); ++i) {
            if (i % kControlStep == 0) {  // the air moves slowly: steer it every few samples
                const double t = static_cast<double>(i) / kSampleRate + lean;
                band.tune(static_cast<float>(air.centreHz * std::pow(2.0, air.spread * air.pitch.at(t))), air.q);
                const double gust = std::pow(0.5 + 0.5 * air.gusts.at(t), air.gustPower);
                level = static_cast<float>(air.gustFloor + (1.0 - air.gustFloor) * gust);
            }
            const float n = noise();
            channel[i] = level * (band.bandpass(n) + 0.3f * rumble.lowpass(n));
        }
    }
    crossfadeLoop(out, loop);
    return out;
}

}  // namespace

std::vector<MusicTrack> windTracks() {
    // A broad, low body of moving air, and a thin whistle that rises in the stronger gusts.
    const Air body{380.0, 0.7, 0.6f, {{3, 7, 11}, {0.1, 0.6, 0.3}}, {{5, 8, 13}, {0.7, 0.2, 0.5}}, 0.35, 1.0};
    const Air whistle{1150.0, 0.5, 7.0f, {{4, 9, 14}, {0.3, 0.9, 0.1}}, {{6, 10, 15}, {0.4, 0.05, 0.8}}, 0.05, 2.5};
    return {
        makeTrack("vind1.ogg", true, kMusicRmsDb - 7.0, [&] { return wind(body); }),
        makeTrack("vind2.ogg", true, kMusicRmsDb - 10.0, [&] { return wind(whistle); }),
    };
}
