#include "Score.h"

#include <algorithm>
#include <sstream>

#include "Dsp.h"

int Scale::midiOf(int degree) const {
    const int octave = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    return rootMidi + 12 * octave + steps[static_cast<std::size_t>(degree - 7 * octave)];
}

Score::Score(double bpm, int stepsPerBeat, int stepsPerBar, Scale scale)
    : bpm_(bpm), stepsPerBeat_(stepsPerBeat), stepsPerBar_(stepsPerBar), scale_(scale) {}

template <typename DegreeAt>
void Score::addPattern(Voice& voice, const std::string& pattern, int startStep, int repeatSteps,
                       DegreeAt degreeAt) {
    std::string text = pattern;
    std::replace(text.begin(), text.end(), '|', ' ');
    std::vector<std::string> tokens;
    std::istringstream in(text);
    for (std::string token; in >> token;) tokens.push_back(token);
    if (tokens.empty()) return;
    const int total = std::max(repeatSteps, static_cast<int>(tokens.size()));
    bool sounding = false;
    for (int i = 0; i < total; ++i) {
        const std::string& token = tokens[static_cast<std::size_t>(i) % tokens.size()];
        const int step = startStep + i;
        if (token == "_") {
            if (sounding) voice.notes.back().length += stepSeconds();
        } else if (token == ".") {
            sounding = false;
        } else {
            sounding = true;
            // Played by hand: a touch early or late, a touch louder or softer, the downbeat leaning.
            const float accent = step % stepsPerBar_ == 0 ? 1.0f : (step % stepsPerBeat_ == 0 ? 0.9f : 0.8f);
            const double jitter = 0.006 * noise();
            voice.notes.push_back(Note{std::max(0.0, step * stepSeconds() + jitter), stepSeconds(),
                                       scale_.midiOf(degreeAt(step, std::stoi(token))),
                                       accent * (0.9f + 0.1f * noise())});
        }
    }
}

void Score::melody(Instrument instrument, float gain, float pan, int octave, const std::string& pattern,
                   int startBar) {
    Voice voice{instrument, gain, pan, {}};
    addPattern(voice, pattern, startBar * stepsPerBar_, 0, [octave](int, int n) { return n + 7 * octave; });
    voices_.push_back(std::move(voice));
}

void Score::arpeggio(Instrument instrument, float gain, float pan, int octave, const std::vector<int>& chords,
                     const std::string& pattern, int bars, int startBar) {
    Voice voice{instrument, gain, pan, {}};
    const int startStep = startBar * stepsPerBar_;
    addPattern(voice, pattern, startStep, bars * stepsPerBar_, [&](int step, int n) {
        const int chord = chords[static_cast<std::size_t>((step - startStep) / stepsPerBar_) % chords.size()];
        return chord + 2 * (n % 3) + 7 * (n / 3) + 7 * octave;
    });
    voices_.push_back(std::move(voice));
}

void Score::heldChords(Instrument instrument, float gain, float pan, int octave, const std::vector<int>& chords,
                       int bars, int startBar) {
    for (int tone = 0; tone < 3; ++tone) {
        std::string bar = std::to_string(tone);
        for (int step = 1; step < stepsPerBar_; ++step) bar += " _";
        arpeggio(instrument, gain, pan, octave, chords, bar, bars, startBar);
    }
}

Stereo Score::render(double seconds, bool loop) const {
    const std::size_t length = samplesFor(seconds);
    std::size_t end = length;
    Stereo out;
    for (const Voice& voice : voices_) {
        for (const Note& note : voice.notes) {
            const std::size_t offset = samplesFor(note.start);
            if (offset >= length) continue;
            Signal s = voice.instrument(midiToHz(note.midi), note.length, note.velocity);
            end = std::max(end, offset + s.size());
            if (out.left.size() < end) {
                out.left.resize(end, 0.0f);
                out.right.resize(end, 0.0f);
            }
            addPanned(out, s, offset, voice.gain, voice.pan);
        }
    }
    if (loop) {
        foldTail(out, length);
    } else {
        out.left.resize(length, 0.0f);
        out.right.resize(length, 0.0f);
    }
    return out;
}
