#include <gtest/gtest.h>

#include "platform/Random.h"
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

TEST(TimeSource, RealTimeAdvancesByItself) {
    TimeSource::useSimulated(false);
    GameClock clock;
    const double start = TimeSource::now();
    while (TimeSource::now() - start < 0.002) {
    }
    EXPECT_GT(clock.elapsedSeconds(), 0.f);
}

TEST(Random, SameSeedSameSequenceAndStaysInRange) {
    seedRandom(42);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i) first.push_back(randomInt(0, 6));
    seedRandom(42);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(randomInt(0, 6), first[static_cast<size_t>(i)]);
    for (int v : first) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 6);
    }
}
