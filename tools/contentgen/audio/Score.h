#pragma once

#include <array>
#include <string>
#include <vector>

#include "Instruments.h"
#include "Signal.h"

// A seven-note scale on a root; degree 0 is the root, 7 the root an octave up, -1 the note below.
struct Scale {
    int rootMidi;
    std::array<int, 7> steps;
    int midiOf(int degree) const;
};

// A tiny sequencer: note patterns on a grid of steps, rendered with a little human unevenness.
class Score {
public:
    Score(double bpm, int stepsPerBeat, int stepsPerBar, Scale scale);

    double stepSeconds() const { return 60.0 / bpm_ / stepsPerBeat_; }
    double barSeconds() const { return stepSeconds() * stepsPerBar_; }

    // Pattern text, one token per step: a scale degree starts a note, "_" holds the note before,
    // "." rests; "|" only groups bars for the reader. `octave` shifts by whole octaves.
    void melody(Instrument instrument, float gain, float pan, int octave, const std::string& pattern,
                int startBar = 0);
    // One chord (a scale degree) per bar, cycled; the pattern's numbers pick chord tones (0 root,
    // 1 third, 2 fifth, 3 the root an octave up, ...) and repeat for as many bars as given.
    void arpeggio(Instrument instrument, float gain, float pan, int octave, const std::vector<int>& chords,
                  const std::string& pattern, int bars, int startBar = 0);

    // The chord of each bar (cycled) held through the bar as three voices.
    void heldChords(Instrument instrument, float gain, float pan, int octave, const std::vector<int>& chords,
                    int bars, int startBar = 0);

    // Renders `seconds`; a loop folds what rings past its end onto its start.
    Stereo render(double seconds, bool loop) const;

private:
    struct Note {
        double start;
        double length;
        int midi;
        float velocity;
    };
    struct Voice {
        Instrument instrument;
        float gain;
        float pan;
        std::vector<Note> notes;
    };

    // Turns pattern text into notes; `degreeAt` maps (step, number) to a scale degree.
    template <typename DegreeAt>
    void addPattern(Voice& voice, const std::string& pattern, int startStep, int repeatSteps, DegreeAt degreeAt);

    double bpm_;
    int stepsPerBeat_;
    int stepsPerBar_;
    Scale scale_;
    std::vector<Voice> voices_;
};
