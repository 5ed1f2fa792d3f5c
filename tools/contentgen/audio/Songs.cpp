#include "Music.h"
#include "Score.h"

// The title and the five levels: plucked strings, a marimba, a music box and soft pads, each
// loop a whole number of bars. An intro shares its loop's key and tempo and ends on the chord
// that leads into the loop's first bar.
namespace {

constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kDorian{0, 2, 3, 5, 7, 9, 10};
constexpr std::array<int, 7> kLydian{0, 2, 4, 6, 7, 9, 11};

Stereo loopOf(const Score& score, int bars) { return score.render(bars * score.barSeconds(), true); }
Stereo introOf(const Score& score, int bars) { return score.render(bars * score.barSeconds(), false); }

// D major, unhurried: a harp rolls the chords, a music box sings.
Score titleScore() { return Score(80.0, 2, 8, Scale{62, kMajor}); }

Stereo titleIntro() {
    Score s = titleScore();
    const std::vector<int> chords{0, 3, 5, 4};
    s.arpeggio(harpNote, 0.3f, -0.35f, -1, chords, "0 . 2 . 3 . 2 .", 4);
    s.heldChords(padNote, 0.1f, 0.0f, 0, chords, 4);
    s.melody(musicBoxNote, 0.4f, 0.25f, 1, "7 _ _ _ 4 _ _ _ | 5 _ _ _ 3 _ _ _ | 2 _ 4 _ 5 _ 7 _ | 6 _ _ _ . . . .");
    return introOf(s, 4);
}

Stereo titleLoop() {
    Score s = titleScore();
    const std::vector<int> chords{0, 5, 3, 4, 0, 2, 3, 4, 5, 3, 0, 4, 3, 4, 0, 0};
    s.arpeggio(harpNote, 0.3f, -0.35f, -1, chords, "0 1 2 3 4 3 2 1", 16);
    s.heldChords(padNote, 0.1f, 0.0f, 0, chords, 16);
    s.arpeggio(bassNote, 0.35f, 0.0f, -2, chords, "0 _ _ _ _ _ 2 _", 16);
    s.melody(musicBoxNote, 0.4f, 0.25f, 1,
             "4 _ 2 _ 0 _ 1 2 | 5 _ _ 4 2 _ . . | 3 _ 5 _ 7 _ 5 4 | 4 _ _ _ 6 _ 1 _ |"
             "2 _ 4 _ 7 _ 6 7 | 9 _ 8 7 6 _ 4 _ | 5 _ 3 _ 5 7 8 _ | 8 _ _ _ . . 4 _ |"
             "5 _ 4 5 7 _ 5 _ | 3 _ 2 3 5 _ 3 _ | 2 _ 0 2 4 _ 7 _ | 6 _ _ _ 4 _ . . |"
             "3 _ 5 _ 8 _ 7 _ | 6 _ 4 _ 8 _ 6 _ | 7 _ _ _ _ _ . . | . . . . 6 _ 5 _");
    return loopOf(s, 16);
}

// G major, walking pace: a picked guitar, a marimba tune, a light shaker.
Score levelScore() { return Score(96.0, 2, 8, Scale{67, kMajor}); }

Stereo levelIntro() {
    Score s = levelScore();
    const std::vector<int> chords{0, 3, 1, 4};
    s.arpeggio(guitarNote, 0.3f, -0.3f, -1, chords, "0 2 1 2 3 2 1 2", 4);
    s.arpeggio(bassNote, 0.35f, 0.0f, -2, chords, "0 _ _ 0 2 _ _ _", 2, 2);
    s.melody(marimbaNote, 0.45f, 0.2f, 0, "1 _ 3 _ 5 _ . . | 4 _ _ _ 6 _ 5 _", 2);
    return introOf(s, 4);
}

Stereo levelLoop() {
    Score s = levelScore();
    const std::vector<int> chords{0, 4, 5, 3, 0, 4, 5, 3, 1, 4, 0, 5, 3, 4, 0, 0, 3, 5, 1, 4};
    s.arpeggio(guitarNote, 0.3f, -0.3f, -1, chords, "0 2 1 2 3 2 1 2", 20);
    s.arpeggio(bassNote, 0.35f, 0.0f, -2, chords, "0 _ _ 0 2 _ _ _", 20);
    s.heldChords(padNote, 0.07f, 0.1f, 0, chords, 20);
    s.arpeggio(shakerNote, 0.08f, 0.4f, 0, chords, ". 0 . 0 . 0 0 0", 20);
    s.melody(marimbaNote, 0.45f, 0.2f, 0,
             "4 _ 4 5 4 _ 2 _ | 6 _ 5 4 1 _ . . | 2 _ 0 2 5 _ 4 _ | 3 _ _ 2 0 _ . . |"
             "4 _ 4 5 7 _ 4 _ | 6 _ 5 6 8 _ 6 _ | 7 _ 6 5 4 _ 2 _ | 3 _ _ _ 5 _ _ _ |"
             "1 _ 3 _ 5 _ 3 _ | 4 _ 6 _ 8 _ 6 5 | 4 _ 2 _ 0 _ 2 _ | 5 _ _ _ . . 4 _ |"
             "3 _ 5 _ 7 _ 5 _ | 4 _ 6 _ 8 _ 7 6 | 7 _ _ _ 4 _ _ _ | . . 2 _ 4 _ 5 _ |"
             "7 _ 5 _ 3 _ 5 _ | 9 _ 7 _ 5 _ 4 _ | 8 _ 5 _ 3 _ 1 _ | 4 _ _ _ . . . .");
    return loopOf(s, 20);
}

// A dorian, slow and open, to sit under the wind.
Stereo level2Loop() {
    Score s(72.0, 2, 8, Scale{57, kDorian});
    const std::vector<int> chords{0, 3, 0, 6, 0, 3, 4, 6, 2, 3, 0, 6, 3, 6};
    s.arpeggio(harpNote, 0.3f, -0.3f, 0, chords, "0 . 2 . 3 . 2 .", 14);
    s.heldChords(padNote, 0.1f, 0.0f, 0, chords, 14);
    s.arpeggio(bassNote, 0.3f, 0.0f, -1, chords, "0 _ _ _ _ _ _ _", 14);
    s.melody(musicBoxNote, 0.35f, 0.3f, 1,
             "4 _ _ _ 2 _ _ _ | 3 _ _ _ 5 _ 4 _ | 2 _ _ _ _ _ . . | 1 _ 3 _ 4 _ 6 _ |"
             "7 _ _ _ 4 _ _ _ | 5 _ 7 _ 5 3 _ _ | 4 _ _ _ 6 _ 8 _ | 6 _ _ _ _ _ . . |"
             "2 _ 4 _ 6 _ 4 _ | 5 _ _ _ 3 _ _ _ | 4 _ 2 _ 0 _ _ _ | 1 _ _ _ . . . . |"
             "3 _ 5 _ 7 _ 8 _ | 6 _ _ _ . . 4 _");
    return loopOf(s, 14);
}

// E minor, a little quicker: guitar picking under a harp tune.
Stereo level3Loop() {
    Score s(100.0, 2, 8, Scale{52, kMinor});
    const std::vector<int> chords{0, 5, 2, 6, 0, 5, 2, 6, 3, 0, 3, 4, 5, 6, 0, 0, 3, 4, 0, 0};
    s.arpeggio(guitarNote, 0.3f, -0.3f, 0, chords, "0 2 3 2 1 2 3 2", 20);
    s.arpeggio(bassNote, 0.35f, 0.0f, -1, chords, "0 _ _ _ 0 _ 2 _", 20);
    s.heldChords(padNote, 0.08f, 0.1f, 1, chords, 20);
    s.arpeggio(shakerNote, 0.06f, 0.4f, 0, chords, ". . 0 . . . 0 0", 20);
    s.melody(harpNote, 0.45f, 0.25f, 1,
             "4 _ 2 _ 4 5 4 _ | 5 _ 2 _ 0 _ 2 _ | 6 _ 4 _ 2 _ 4 _ | 3 _ 1 _ 6 _ . . |"
             "7 _ 4 _ 2 _ 4 5 | 5 _ 4 2 0 _ . . | 4 _ 6 _ 9 _ 8 _ | 8 _ _ _ 6 _ _ _ |"
             "7 _ 5 _ 3 _ 5 _ | 4 _ _ 2 4 _ 7 _ | 5 _ 7 _ 10 _ 7 _ | 8 _ _ _ 6 _ 4 _ |"
             "5 _ 4 _ 2 _ 0 _ | 1 _ 3 _ 6 _ 5 _ | 4 _ _ _ _ _ . . | . . 2 _ 4 _ 6 _ |"
             "7 _ _ 5 7 _ 8 _ | 8 _ 6 _ 4 _ 1 _ | 2 _ 4 _ 7 _ 4 _ | 0 _ _ _ . . . .");
    return loopOf(s, 20);
}

// F major waltz, A A B A: the tune passes from marimba to music box to harp.
Stereo level4Loop() {
    Score s(108.0, 2, 6, Scale{65, kMajor});
    const std::vector<int> chords{0, 2, 3, 0, 5, 1, 4, 0, 0, 2, 3, 0, 5, 1, 4, 0,
                                  3, 4, 2, 5, 1, 4, 0, 4, 0, 2, 3, 0, 5, 1, 4, 0};
    const char* tuneA = "4 _ _ 2 _ 4 | 6 _ 5 4 _ _ | 3 _ _ 5 _ 7 | 4 _ _ _ _ _ |"
                        "5 _ 4 5 _ 7 | 8 _ 7 6 _ 5 | 8 _ _ 6 _ 4 | 7 _ _ _ . .";
    const char* tuneB = "7 _ 5 _ 3 _ | 8 _ 6 _ 4 _ | 9 _ _ 8 _ 6 | 7 _ _ 5 _ _ |"
                        "5 _ 6 7 _ 8 | 8 _ _ 6 _ _ | 7 _ 4 _ 2 _ | 4 _ _ _ 6 _";
    s.arpeggio(guitarNote, 0.28f, -0.3f, -1, chords, "0 2 3 1 2 1", 32);
    s.arpeggio(bassNote, 0.35f, 0.0f, -2, chords, "0 _ _ _ _ _", 32);
    s.heldChords(padNote, 0.07f, 0.1f, 0, chords, 32);
    s.melody(marimbaNote, 0.45f, 0.2f, 0, tuneA, 0);
    s.melody(musicBoxNote, 0.3f, 0.3f, 1, tuneA, 8);
    s.melody(marimbaNote, 0.25f, 0.2f, 0, tuneA, 8);
    s.melody(marimbaNote, 0.45f, 0.2f, 0, tuneB, 16);
    s.melody(harpNote, 0.4f, 0.3f, 1, tuneA, 24);
    s.melody(marimbaNote, 0.25f, 0.2f, 0, tuneA, 24);
    return loopOf(s, 32);
}

// C lydian, floating: a music box ripples above a slow harp line and wide pads.
Stereo level5Loop() {
    Score s(88.0, 2, 8, Scale{60, kLydian});
    const std::vector<int> chords{0, 1, 0, 1, 5, 2, 1, 1, 0, 1, 6, 5, 2, 1, 0, 0, 5, 1};
    s.arpeggio(musicBoxNote, 0.22f, 0.35f, 1, chords, "0 1 2 4 3 2 1 2", 18);
    s.heldChords(padNote, 0.12f, -0.1f, 0, chords, 18);
    s.arpeggio(bassNote, 0.3f, 0.0f, -2, chords, "0 _ _ _ _ _ _ _", 18);
    s.melody(harpNote, 0.45f, -0.2f, 0,
             "4 _ _ _ 2 _ _ _ | 5 _ _ _ 3 _ _ _ | 7 _ _ _ 6 _ 4 _ | 5 _ _ _ _ _ . . |"
             "5 _ 7 _ 9 _ 7 _ | 6 _ _ _ 4 _ 2 _ | 3 _ _ _ 5 _ _ _ | 1 _ _ _ . . . . |"
             "2 _ 4 _ 7 _ 9 _ | 8 _ _ _ 5 _ _ _ | 6 _ _ 8 _ _ 10 _ | 9 _ _ _ 7 _ _ _ |"
             "6 _ _ _ 4 _ _ _ | 5 _ 3 _ 1 _ . . | 0 _ _ _ _ _ _ _ | . . . . 4 _ 6 _ |"
             "7 _ _ _ 5 _ _ _ | 5 _ _ _ 3 _ . .");
    return loopOf(s, 18);
}

}  // namespace

std::vector<MusicTrack> songTracks() {
    return {
        makeTrack("level_intro.ogg", false, kMusicRmsDb, levelIntro),
        makeTrack("level.ogg", true, kMusicRmsDb, levelLoop),
        makeTrack("level2.ogg", true, kMusicRmsDb, level2Loop),
        makeTrack("level3.ogg", true, kMusicRmsDb, level3Loop),
        makeTrack("level4.ogg", true, kMusicRmsDb, level4Loop),
        makeTrack("level5.ogg", true, kMusicRmsDb, level5Loop),
        makeTrack("titel.ogg", true, kMusicRmsDb, titleLoop),
        makeTrack("titel_intro.ogg", false, kMusicRmsDb, titleIntro),
    };
}
