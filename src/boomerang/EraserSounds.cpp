#include "boomerang/EraserSounds.h"

namespace {
void rubbing(SoundBank& sounds, const char* effect, bool rubbedOut) {
    if (rubbedOut)
        sounds.playIfIdle(effect);
    else
        sounds.pause(effect);
}
}  // namespace

void playEraserSounds(const EraseReport& report, SoundBank& sounds) {
    for (int i = 0; i < report.arrowsSetOff; ++i) sounds.playArrowActivate();
    for (int i = 0; i < report.keysBroken; ++i) sounds.playKeyBreak();
    rubbing(sounds, "sudd_bly.wav", report.pencilRubbedOut);
    rubbing(sounds, "sudd_ink.wav", report.inkRubbedOut);
}
