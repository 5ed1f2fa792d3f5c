#pragma once

#include "Signal.h"

// Layers the effects are mixed from. Each returns `seconds` of sound starting at full level.

// A soft body blow: a sine that falls from hz * (1 + drop) to hz and dies away.
Signal thump(double hz, double seconds, double drop);
// A burst of noise in a band around `centerHz`, loud at once and fading out.
Signal noiseHit(double seconds, double centerHz, float q);
// A band of noise gliding from `fromHz` to `toHz`, swelling to its peak at `peakAt` (0..1).
Signal whoosh(double seconds, double fromHz, double toHz, float q, double peakAt);
// Grainy, crackling noise (graphite, rubber crumbs): many tiny bursts in a band.
Signal grit(double seconds, double centerHz, float q, double grainsPerSecond, double peakAt);
// A small piece of metal struck: a few inharmonic partials that die quickly.
Signal metalPing(double hz, double seconds);
// Wood rubbing on wood: a stick-slip pulse train whose rate glides, through two body resonances.
Signal creak(double seconds, double fromRate, double toRate);
