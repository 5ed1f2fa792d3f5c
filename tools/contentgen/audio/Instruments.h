#pragma once

#include "Signal.h"

// Note voices for the music and the chimes. Each renders one note at `hz` held for `seconds`
// (plucked and struck voices ring on past it) with `velocity` 0..1; peaks stay near velocity.
using Instrument = Signal (*)(double hz, double seconds, float velocity);

Signal guitarNote(double hz, double seconds, float velocity);
Signal harpNote(double hz, double seconds, float velocity);
Signal marimbaNote(double hz, double seconds, float velocity);
Signal musicBoxNote(double hz, double seconds, float velocity);
Signal padNote(double hz, double seconds, float velocity);
Signal bassNote(double hz, double seconds, float velocity);
Signal bellNote(double hz, double seconds, float velocity);
// Unpitched: a soft shake of seeds, brighter when played harder.
Signal shakerNote(double hz, double seconds, float velocity);
