#include "Simulation.h"

#include "app/FrameLoop.h"
#include "platform/HeadlessWindow.h"
#include "platform/Random.h"
#include "platform/StopSignals.h"
#include "platform/TimeSource.h"

namespace {
int solidPixels(const Image& image) {
    int count = 0;
    for (unsigned y = 0; y < image.height(); ++y)
        for (unsigned x = 0; x < image.width(); ++x) count += image.alpha(x, y) > 0;
    return count;
}
}  // namespace

nlohmann::json simState(const Game& game, long frame, bool withObjects) {
    const World& world = game.world;
    const Player& player = world.player;
    nlohmann::json state;
    state["frame"] = frame;
    state["state"] = static_cast<int>(game.state());
    state["level"] = world.currentLevelName;
    state["checkpoint"] = {world.checkpointX, world.checkpointY};
    state["highestLevel"] = world.highestLevel;
    state["player"] = {{"x", player.x},
                       {"y", player.y},
                       {"vx", player.vx},
                       {"vy", player.vy},
                       {"anim", player.animName},
                       {"facing", std::string(1, player.facing)},
                       {"carriedKey", player.carriedKey}};
    state["boomerang"] = {{"ready", player.boomerang.ready}, {"x", player.boomerang.x}, {"y", player.boomerang.y}};
    state["ball"] = {{"x", world.scarfBall.x}, {"y", world.scarfBall.y}};
    state["returnToMenu"] = world.returnToMenu;
    if (withObjects) {
        nlohmann::json objects = nlohmann::json::array();
        for (const auto& o : world.objects.mainList)
            objects.push_back({{"kind", o->kind},
                               {"x", o->x},
                               {"y", o->y},
                               {"w", o->width},
                               {"h", o->height},
                               {"changed", o->imageChanged},
                               {"solid", solidPixels(o->image)}});
        state["objects"] = objects;
    }
    return state;
}

void runSimulation(const SimOptions& options, std::ostream& out) {
    TimeSource::useSimulated(true);
    HeadlessWindow window;
    Game game;
    seedRandom(options.seed);
    if (!options.level.empty()) game.startLevel(options.level);
    const long frames = options.frames >= 0 ? options.frames : options.script.totalFrames();
    long frame = 0;
    for (; frame < frames && window.isOpen() && !stopAsked(); ++frame) {
        window.scriptedInput() = options.script.at(frame);
        runFrame(window, game);
        TimeSource::advanceFrame();
        if (options.every > 0 && (frame + 1) % options.every == 0 && frame + 1 < frames)
            out << simState(game, frame + 1, false).dump() << "\n";
    }
    out << simState(game, frame, options.objects).dump() << "\n";
}
