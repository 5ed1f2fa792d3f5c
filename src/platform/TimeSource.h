#pragma once

// The one process-wide time source. Real mode reads a steady clock; simulated mode
// advances exactly 1/60 s per frame, moved by the frame loop, so runs repeat bit for bit.
class TimeSource {
public:
    static constexpr double kFrameSeconds = 1.0 / 60.0;

    static double now();
    // Switches mode; simulated time restarts at 0.
    static void useSimulated(bool simulated);
    static bool simulated();
    // Simulated mode only: one frame later.
    static void advanceFrame();
};

// Every clock of the game reads the time source through this.
class GameClock {
public:
    GameClock();
    void restart();
    float elapsedSeconds() const;

private:
    double start_;
};
