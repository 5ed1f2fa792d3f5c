#include "levelcheck/PlayerStart.h"

#include <algorithm>

#include "config/Config.h"

namespace {
// The game keeps these as floats and truncates them; a value out of int range is clamped
// rather than left to an undefined conversion.
int wholePixels(double value) {
    constexpr double kLimit = 1.0e9;
    return static_cast<int>(std::clamp(static_cast<double>(static_cast<float>(value)), -kLimit, kLimit));
}
}  // namespace

PlayerStart PlayerStart::fromConfig() {
    const Config config;
    PlayerStart start;
    start.x = wholePixels(config.real("Debug", "PlayerX", "500"));
    start.y = wholePixels(config.real("Debug", "PlayerY", "-300"));
    start.width = wholePixels(config.real("Player", "SizeX", "UNKNOWN"));
    start.height = wholePixels(config.real("Player", "SizeY", "UNKNOWN"));
    return start;
}
