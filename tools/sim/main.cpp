#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Simulation.h"
#include "editor/EditedLevel.h"
#include "platform/LargeBlocks.h"
#include "platform/StopSignals.h"
#include "platform/WriteQueue.h"

int main(int argc, char** argv) {
    returnLargeBlocksToTheSystem();
    // A headless run is silent unless a sound driver is asked for.
    setenv("ALSOFT_DRIVERS", "null", 0);
    CLI::App app{"torve-sim: runs the game headless with simulated time, in the current game folder"};
    SimOptions options;
    std::string inputPath;
    auto* level = app.add_option("--level", options.level, "start playing this level file");
    app.add_option("--edit", options.edit, "open the level editor on this level file (a new level if there is none)")
        ->excludes(level);
    app.add_option("--frames", options.frames, "frames to run (default: until the input script ends)")
        ->check(CLI::Range(0L, 1000000000L));
    app.add_option("--input", inputPath, "input script");
    app.add_option("--every", options.every, "print the state every K frames")->check(CLI::Range(1L, 1000000000L));
    app.add_option("--seed", options.seed, "random seed");
    app.add_flag("--objects", options.objects, "list the objects in the last state line");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    if (!inputPath.empty()) {
        std::ifstream in(inputPath);
        if (!in) {
            std::cerr << "torve-sim: cannot read input script '" << inputPath << "'\n";
            return 2;
        }
        std::string error;
        auto script = parseInputScript(in, error);
        if (!script) {
            std::cerr << "torve-sim: " << inputPath << ": " << error << "\n";
            return 2;
        }
        options.script = std::move(*script);
    }
    if (!options.edit.empty()) {
        options.edit = std::filesystem::absolute(options.edit).string();
        if (const auto refused = EditedLevel::refusal(options.edit)) {
            std::cerr << "torve-sim: " << *refused << "\n";
            return 2;
        }
    }
    catchStopSignals();
    WriteQueue::start();
    runSimulation(options, std::cout);
    WriteQueue::stop();
    return 0;
}
