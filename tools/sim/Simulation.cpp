#include "Simulation.h"

#include "app/FrameLoop.h"
#include "app/screens/EditorScreen.h"
#include "platform/HeadlessWindow.h"
#include "platform/StopSignals.h"
#include "platform/TimeSource.h"

namespace {
int solidPixels(const Image& image) {
    image.holdPixels();
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
                       {"facing", std::string(1, letterOf(player.facing))},
                       {"carriedKey", player.carriedKey}};
    state["boomerang"] = {{"ready", player.boomerang.ready}, {"x", player.boomerang.x}, {"y", player.boomerang.y}};
    state["ball"] = {{"x", world.scarfBall.x}, {"y", world.scarfBall.y}};
    state["returnToMenu"] = world.returnToMenu;
    if (game.state() == GameState::Editor) {
        const Editor& editor = *game.screen<EditorScreen>().editor();
        state["editor"] = {{"records", editor.level().records.size()},
                           {"tool", static_cast<int>(editor.tool())},
                           {"zoom", editor.zoom()},
                           {"centre", {editor.view().getCenter().x, editor.view().getCenter().y}},
                           {"selected", editor.selected()},
                           {"saved", editor.saved()},
                           {"startUnsupported", editor.startUnsupported()},
                           {"findings", editor.findings().size()},
                           {"message", editor.message()}};
    }
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

SimulatedGame::SimulatedGame(const SimOptions& options)
    : options_(options), game_(options.seed), frames_(options.frames >= 0 ? options.frames : options.script.totalFrames()) {
    if (!options.level.empty()) game_.startLevel(options.level);
    // A refused file was told before the game was made.
    std::string error;
    if (!options.edit.empty()) game_.openEditor(options.edit, error);
}

bool SimulatedGame::done() const { return frame_ >= frames_ || !window_.isOpen() || stopAsked(); }

void SimulatedGame::frame(std::ostream& out) {
    window_.scriptedInput() = options_.script.at(frame_);
    runFrame(window_, game_);
    ++frame_;
    if (options_.every > 0 && frame_ % options_.every == 0 && frame_ < frames_)
        out << simState(game_, frame_, false).dump() << "\n";
}

void SimulatedGame::finish(std::ostream& out) {
    out << simState(game_, frame_, options_.objects).dump() << "\n";
    game_.keepUnsavedEdits();
}

void runSimulation(const SimOptions& options, std::ostream& out) {
    TimeSource::useSimulated(true);
    SimulatedGame game(options);
    while (!game.done()) {
        game.frame(out);
        TimeSource::advanceFrame();
    }
    game.finish(out);
}
