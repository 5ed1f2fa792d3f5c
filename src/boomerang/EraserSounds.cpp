#include "boomerang/EraserSounds.h"

#include "audio/SoundBank.h"

namespace {
void rubbing(const char* effect, bool rubbedOut) {
    if (rubbedOut)
        soundBank().playIfIdle(effect);
    else
        soundBank().pause(effect);
}
}  // namespace

void playEraserSounds(const EraseReport& report) {
    for (int i = 0; i < report.arrowsSetOff; ++i) soundBank().playArrowActivate();
    for (int i = 0; i < report.keysBroken; ++i) soundBank().playKeyBreak();
    rubbing("sudd_bly.wav", report.pencilRubbedOut);
    rubbing("sudd_ink.wav", report.inkRubbedOut);
}
