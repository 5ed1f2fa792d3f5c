#include <algorithm>
#include <string>

#include "pictures/Lettering.h"
#include "pictures/PictureSet.h"
#include "pictures/Strokes.h"

// Menu buttons and their hover strips. Every hover strip has 6 frames, each as large as
// the still picture plus twice the (negative) hover offset, so it sits centred on it:
// a pencil loop drawn round the word a little further in every frame.
namespace {

using namespace strokes;

constexpr int kHoverFrames = 6;

struct Word {
    const char* text;
    float size;
};

// The paper label of a tag button.
void tagLabel(Canvas& c, std::uint32_t seed) {
    const float fw = static_cast<float>(c.width()), fh = static_cast<float>(c.height());
    const Path label{{4, 6}, {fw - 5, 4}, {fw - 3, fh - 6}, {5, fh - 4}};
    Mask paper(c.width(), c.height());
    paper.fill(label);
    c.paint(paper, kPaper);
    pencil(c, closed(label), 2.2f, kGraphite, seed);
}

// A word in ink; `tag` puts it on a paper label that reads over the dimmed screens.
Canvas wordPicture(int w, int h, Word word, bool tag, std::uint32_t seed) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    if (tag) {
        tagLabel(c, seed);
    } else {
        // A dab of watercolour under the word.
        const float half = handLettering().width(word.text, word.size) / 2 + 10;
        wash(c, {{fw / 2 - half, fh * 0.62f}, {fw / 2 + half, fh * 0.55f}, {fw / 2 + half - 6, fh * 0.86f}, {fw / 2 - half + 4, fh * 0.9f}},
             kOchreWash.withAlpha(0.5f), seed);
    }
    // Long words shrink to fit their label.
    const float size = std::min(word.size, word.size * (fw - 26) / handLettering().width(word.text, word.size));
    Mask letters(w, h);
    handLettering().writeCentred(letters, word.text, {fw / 2, fh / 2}, size);
    c.paint(letters, kInk);
    return c;
}

// A tag with an ink arrow pointing up or down: the level list's page turners.
Canvas arrowTag(int w, int h, bool up, std::uint32_t seed) {
    Canvas c(w, h);
    tagLabel(c, seed);
    const float mx = static_cast<float>(w) / 2, top = 16, bottom = static_cast<float>(h) - 16;
    const float tip = up ? top : bottom, tail = up ? bottom : top, barb = up ? 13 : -13;
    ink(c, {{mx + 1, tail}, {mx, tip}}, 4, seed + 1);
    ink(c, {{mx - 14, tip + barb}, {mx, tip}, {mx + 13, tip + barb + 1}}, 4, seed + 2);
    return c;
}

// A row of the level list: a faint ruled line along its foot, as on a page of a notebook.
Canvas listRow(int w, int h, std::uint32_t seed) {
    Canvas c(w, h);
    const float y = static_cast<float>(h) - 4;
    pencil(c, {{10, y}, {static_cast<float>(w) - 10, y - 1}}, 1.2f, kLightGraphite.withAlpha(0.45f), seed, false);
    return c;
}

Canvas hoverStrip(int w, int h, std::uint32_t seed) {
    Canvas strip(w * kHoverFrames, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    Path loop;
    for (int i = 0; i <= 70; ++i) {
        const float a = -2.6f + 2 * kPi * 1.12f * i / 70;
        const float r = 1 + 0.04f * i / 70;
        loop.push_back({fw / 2 + (fw / 2 - 9) * r * std::cos(a), fh / 2 + (fh / 2 - 7) * r * std::sin(a)});
    }
    for (int k = 0; k < kHoverFrames; ++k) {
        Canvas f(w, h);
        const size_t shown = 2 + (loop.size() - 2) * (k + 1) / kHoverFrames;
        const Path part(loop.begin(), loop.begin() + static_cast<long>(shown));
        Mask glow(w, h);
        glow.ellipse({fw / 2, fh / 2}, fw / 2 - 12, fh / 2 - 9);
        f.paint(glow, {255, 226, 130, 0.07f * (k + 1)});
        pencil(f, part, 2.6f, kGraphite, seed, true);
        strip.draw(f, k * w, 0);
    }
    return strip;
}

struct Button {
    const char* still;
    int w, h;
    Word word;
    bool tag;
};

struct Hover {
    const char* name;
    int w, h;
};

}  // namespace

void addMenuButtons(PictureSet& set) {
    const Button buttons[] = {
        {"b_play", 400, 60, {"Play", 56}, false},
        {"b_options", 300, 80, {"Options", 54}, false},
        {"b_quit", 370, 80, {"Quit", 54}, false},
        {"yes", 100, 70, {"Yes", 40}, true},
        {"no", 100, 70, {"No", 40}, true},
        {"ingame_resume", 280, 60, {"Resume", 44}, false},
        {"ingame_options", 280, 60, {"Options", 44}, false},
        {"ingame_return", 460, 60, {"Leave the game", 44}, false},
        {"ingame_mainmenu", 380, 60, {"To the main menu", 38}, true},
        {"ingame_desktop", 280, 70, {"To the desktop", 34}, true},
        {"back", 180, 60, {"Back", 40}, true},
        {"ingame_restart", 460, 60, {"Restart from the flag", 44}, false},
    };
    std::uint32_t seed = 800;
    for (const Button& b : buttons)
        add(set, std::string("Content/Menu/") + b.still + ".png", wordPicture(b.w, b.h, b.word, b.tag, seed += 10));
    const Hover hovers[] = {{"hover_play", 510, 80},        {"hover_options", 340, 80},  {"hover_small", 160, 70},
                            {"hover_ingame_exit", 540, 120}, {"hover_mainmenu", 460, 100}, {"hover_desktop", 360, 90},
                            {"hover_back", 240, 80},         {"hover_restart", 540, 80}};
    for (const Hover& h : hovers) add(set, std::string("Content/Menu/") + h.name + ".png", hoverStrip(h.w, h.h, seed += 10));
    // The level select's, drawn after the rest so theirs keep their seeds.
    add(set, "Content/Menu/b_levels.png", wordPicture(300, 70, {"Levels", 44}, false, seed += 10));
    add(set, "Content/Menu/hover_row.png", hoverStrip(680, 68, seed += 10));
    add(set, "Content/Menu/level_row.png", listRow(640, 48, seed += 10));
    add(set, "Content/Menu/arrow_up.png", arrowTag(100, 70, true, seed += 10));
    add(set, "Content/Menu/arrow_down.png", arrowTag(100, 70, false, seed += 10));

    // The slider: a knob whose middle is 35 px right of its left edge and 33 px below its
    // top, over a bar centred on that line.
    Canvas dot(70, 66);
    wash(dot, ellipsePath({35, 33}, 14, 14, 32), kScarfRed, 900);
    Mask knob(70, 66);
    knob.ellipse({35, 33}, 14, 14);
    dot.paint(knob, kScarfRed.withAlpha(0.8f), Grain{5, 0.3f, 901});
    Path rim = ellipsePath({35, 33}, 14, 14, 32);
    rim.push_back(rim.front());
    pencil(dot, rim, 2.6f, kGraphite, 902);
    add(set, "Content/Menu/dot.png", dot);
    const Path bar{{8, 12}, {392, 12}};
    Canvas full(400, 24), empty(400, 24);
    Mask filled(400, 24);
    filled.stroke(bar, 7);
    full.paint(filled, kGraphite.withAlpha(0.85f), Grain{3, 0.35f, 910});
    pencil(empty, {{8, 5}, {392, 5}}, 1.6f, kGraphite, 911);
    pencil(empty, {{8, 19}, {392, 19}}, 1.6f, kGraphite, 912);
    pencil(empty, curve({392, 5}, {400, 12}, {392, 19}, 6), 1.6f, kGraphite, 913, false);
    add(set, "Content/Menu/scroll_full.png", full);
    add(set, "Content/Menu/scroll_empty.png", empty);
}
