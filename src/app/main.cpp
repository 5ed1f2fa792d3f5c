#include <ctime>

#include "app/FrameLoop.h"
#include "app/Game.h"
#include "config/Config.h"
#include "platform/Random.h"
#include "platform/SfmlWindow.h"
#include "platform/WriteQueue.h"

namespace {
// The window system refuses a side of 0 and wraps one past 65535 to 0, which ends the program
// before it starts: a side it cannot make falls back to the default.
unsigned windowSide(long configured, unsigned fallback) {
    return configured >= 1 && configured <= 16384 ? static_cast<unsigned>(configured) : fallback;
}
}  // namespace

int main() {
    Config config;
    const unsigned width = windowSide(config.integer("Resolution", "x", 1024), 1024);
    const unsigned height = windowSide(config.integer("Resolution", "y", 768), 768);
    const bool fullscreen = config.integer("Resolution", "Fullscreen", 0) == 1;

    // Saves and settings are written off the frame; every way out ends the loop and lands here.
    WriteQueue::start();
    SfmlWindow window(width, height, fullscreen);
    {
        Game game;
        seedRandom(static_cast<unsigned>(std::time(nullptr)));
        while (window.isOpen()) runFrame(window, game);
    }
    WriteQueue::stop();
    return 0;
}
