#pragma once

#include "Signal.h"

// A plucked string: a noise burst circulating in a tuned delay line that loses its highs on
// every trip. `brightness` 0..1 shapes the pick, `ringSeconds` is the time to fade by 60 dB.
Signal pluckString(double hz, double seconds, float brightness, double ringSeconds);
