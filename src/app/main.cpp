#include <ctime>

#include "app/FrameLoop.h"
#include "app/Game.h"
#include "config/Config.h"
#include "platform/Random.h"
#include "platform/SfmlWindow.h"

int main() {
    Config config;
    const auto width = static_cast<unsigned>(config.integer("Resolution", "x", 1024));
    const auto height = static_cast<unsigned>(config.integer("Resolution", "y", 768));
    const bool fullscreen = config.integer("Resolution", "Fullscreen", 0) == 1;

    SfmlWindow window(width, height, fullscreen);
    {
        Game game;
        seedRandom(static_cast<unsigned>(std::time(nullptr)));
        while (window.isOpen()) runFrame(window, game);
    }
    return 0;
}
