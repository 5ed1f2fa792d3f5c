#include <gtest/gtest.h>

#include "platform/TimeSource.h"

TEST(TimeSource, SimulatedTimeMovesOnlyWithFrames) {
    TimeSource::useSimulated(true);
    GameClock clock;
    EXPECT_FLOAT_EQ(clock.elapsedSeconds(), 0.f);
    for (int i = 0; i < 60; ++i) TimeSource::advanceFrame();
    EXPECT_NEAR(clock.elapsedSeconds(), 1.0, 1e-6);
    clock.restart();
    TimeSource::advanceFrame();
    EXPECT_NEAR(clock.elapsedSeconds(), 1.0 / 60.0, 1e-6);
    TimeSource::useSimulated(false);
}
