#include "platform/TimeSource.h"

#include <chrono>

namespace {
// The time seam: one clock a process, so simulated time reaches every reader at once.
bool gSimulated = false;
long long gFrames = 0;

double steadySeconds() {
    using namespace std::chrono;
    static const auto origin = steady_clock::now();
    return duration<double>(steady_clock::now() - origin).count();
}
}  // namespace

double TimeSource::now() {
    return gSimulated ? static_cast<double>(gFrames) * kFrameSeconds : steadySeconds();
}

void TimeSource::useSimulated(bool simulated) {
    gSimulated = simulated;
    gFrames = 0;
}

bool TimeSource::simulated() { return gSimulated; }

void TimeSource::advanceFrame() {
    if (gSimulated) ++gFrames;
}

GameClock::GameClock() : start_(TimeSource::now()) {}

void GameClock::restart() { start_ = TimeSource::now(); }

float GameClock::elapsedSeconds() const { return static_cast<float>(TimeSource::now() - start_); }
