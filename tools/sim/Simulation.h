#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "input/InputScript.h"
#include "app/Game.h"
#include "platform/HeadlessWindow.h"

struct SimOptions {
    std::string level;
    long frames = -1;  // -1: as long as the script
    long every = 0;
    unsigned seed = 1;
    bool objects = false;
    InputScript script;
    std::string edit;  // the level file the editor opens instead of play
};

// The state line printed for a frame.
nlohmann::json simState(const Game& game, long frame, bool withObjects);

// The real Game in a HeadlessWindow, played a frame at a time; the caller moves simulated time
// on, so several games can take turns in one process.
class SimulatedGame {
public:
    explicit SimulatedGame(const SimOptions& options);
    bool done() const;
    // One frame of the script, with its state line when one is due.
    void frame(std::ostream& out);
    // The last state line; then the editor's unsaved changes are kept, as the game keeps them
    // on its way out.
    void finish(std::ostream& out);

private:
    SimOptions options_;
    HeadlessWindow window_;
    Game game_;
    long frames_;
    long frame_ = 0;
};

// Runs the real Game in a HeadlessWindow with simulated time, printing JSON state lines.
void runSimulation(const SimOptions& options, std::ostream& out);
