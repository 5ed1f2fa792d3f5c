#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "InputScript.h"
#include "app/Game.h"

struct SimOptions {
    std::string level;
    long frames = -1;  // -1: as long as the script
    long every = 0;
    unsigned seed = 1;
    bool objects = false;
    InputScript script;
};

// The state line printed for a frame.
nlohmann::json simState(const Game& game, long frame, bool withObjects);

// Runs the real Game in a HeadlessWindow with simulated time, printing JSON state lines.
void runSimulation(const SimOptions& options, std::ostream& out);
