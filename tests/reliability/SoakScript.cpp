#include "SoakScript.h"

#include <algorithm>
#include <random>
#include <sstream>

namespace {
class ScriptWriter {
public:
    ScriptWriter(unsigned seed, const MenuPoints& menu) : random_(seed), menu_(menu) {
        musicKnobX_ = menu.musicKnob.x;
        soundKnobX_ = menu.soundKnob.x;
    }

    long frames() const { return frames_; }
    std::string text() const { return out_.str(); }

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    void hold(long frames, const std::string& what) {
        out_ << frames << (what.empty() ? "" : " ") << what << "\n";
        frames_ += frames;
    }

    // Runs, jumps, crouches and throws at a random point for a random while.
    void play(int longest) {
        std::string held;
        const int run = between(0, 2);
        if (run == 1) held += " a";
        if (run == 2) held += " d";
        if (chance(30)) held += " w";
        if (chance(10)) held += " space";
        if (chance(10)) held += " s";
        if (chance(35)) held += " lmb " + mouseAt(randomPoint());
        else if (chance(5)) held += " rmb";
        hold(between(1, longest), held.empty() ? held : held.substr(1));
    }

    void restart() { hold(between(1, 3), "r"); }

    // Escape opens the pause menu; every branch comes back to play.
    void menuTrip() {
        hold(2, "escape");
        hold(between(2, 20), "");
        switch (between(0, 3)) {
            case 0: break;
            case 1:
                click(menu_.pauseOptions);
                options();
                break;
            case 2:
                click(menu_.pauseReturn);
                click(menu_.back);
                break;
            case 3:
                click(menu_.pauseReturn);
                click(menu_.mainMenu);
                hold(between(2, 30), "");
                if (chance(50)) {
                    click(menu_.options);
                    options();
                }
                click(menu_.play);
                return;
        }
        click(menu_.resume);
    }

    // Pressed in one frame, released in the next: the click counts on the release.
    void click(ScreenPoint p) {
        hold(2, "lmb " + mouseAt(p));
        hold(between(2, 8), mouseAt(p));
    }

    // Drags the knob, grabbed at its centre, towards `target` and lets go; the knob follows
    // the pointer and stops at the track's ends.
    void drag(int& knobX, int y, int zeroX, int target) {
        const int step = (target - knobX) / 4;
        hold(2, "lmb " + mouseAt({knobX, y}));
        for (int i = 1; i <= 4; ++i) hold(2, "lmb " + mouseAt({knobX + step * i, y}));
        hold(2, mouseAt({knobX + step * 4, y}));
        knobX = std::clamp(knobX + step * 4, zeroX, zeroX + menu_.sliderLength);
    }
    void dragMusic(int target) { drag(musicKnobX_, menu_.musicKnob.y, menu_.musicKnobZeroX, target); }

private:
    static std::string mouseAt(ScreenPoint p) { return "mouse=" + std::to_string(p.x) + "," + std::to_string(p.y); }

    ScreenPoint randomPoint() {
        for (;;) {
            const ScreenPoint p{between(0, 1023), between(0, 767)};
            const bool closes = std::any_of(menu_.closing.begin(), menu_.closing.end(), [&p](const HitRect& r) {
                return r.left - 8 <= p.x && p.x <= r.right + 8 && r.top - 8 <= p.y && p.y <= r.bottom + 8;
            });
            if (!closes) return p;
        }
    }

    // The options screen, left through its back button to where it was opened from.
    void options() {
        hold(3, "");
        const int reach = menu_.sliderLength + 40;
        if (chance(70)) dragMusic(between(menu_.musicKnobZeroX - 40, menu_.musicKnobZeroX + reach));
        if (chance(50))
            drag(soundKnobX_, menu_.soundKnob.y, menu_.soundKnobZeroX,
                 between(menu_.soundKnobZeroX - 40, menu_.soundKnobZeroX + reach));
        if (chance(20)) click(menu_.fullscreenNo);
        click(menu_.back);
    }
    std::mt19937 random_;
    const MenuPoints& menu_;
    std::ostringstream out_;
    long frames_ = 0;
    int musicKnobX_ = 0, soundKnobX_ = 0;
};
}  // namespace

std::string randomPlayScript(unsigned seed, long frames, const MenuPoints& menu) {
    ScriptWriter script(seed, menu);
    while (script.frames() < frames) {
        const int pick = script.between(1, 100);
        if (pick <= 75) script.play(90);
        else if (pick <= 85) script.restart();
        else if (pick <= 92) script.menuTrip();
        else script.hold(script.between(1, 60), "");
    }
    return script.text();
}

std::string restartScript(unsigned seed, int restarts, const MenuPoints& menu) {
    ScriptWriter script(seed, menu);
    for (int i = 0; i < restarts; ++i) {
        const long start = script.frames();
        while (script.frames() - start < 60) script.play(20);
        script.hold(1, "r");
        script.hold(1, "");
    }
    return script.text();
}

std::string optionsThenPlayScript(const MenuPoints& menu) {
    ScriptWriter script(1, menu);
    script.hold(2, "escape");
    script.hold(2, "");
    script.click(menu.options);
    script.hold(3, "");
    script.dragMusic(menu.musicKnobZeroX);
    script.click(menu.back);
    script.click(menu.play);
    return script.text();
}
