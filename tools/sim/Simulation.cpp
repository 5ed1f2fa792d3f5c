#include "Simulation.h"

#include "app/FrameLoop.h"
#include "platform/HeadlessWindow.h"
#include "platform/Random.h"
#include "platform/TimeSource.h"

nlohmann::json simState(const Game& game, long frame, bool) {
    nlohmann::json state;
    state["frame"] = frame;
    state["state"] = game.state;
    return state;
}

void runSimulation(const SimOptions& options, std::ostream& out) {
    TimeSource::useSimulated(true);
    HeadlessWindow window;
    Game game;
    seedRandom(options.seed);
    const long frames = options.frames >= 0 ? options.frames : options.script.totalFrames();
    long frame = 0;
    for (; frame < frames && window.isOpen(); ++frame) {
        window.scriptedInput() = options.script.at(frame);
        runFrame(window, game);
        TimeSource::advanceFrame();
        if (options.every > 0 && (frame + 1) % options.every == 0 && frame + 1 < frames)
            out << simState(game, frame + 1, false).dump() << "\n";
    }
    out << simState(game, frame, options.objects).dump() << "\n";
}
