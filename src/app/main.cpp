#include <CLI/CLI.hpp>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>

#include "app/FrameLoop.h"
#include "app/Game.h"
#include "config/Config.h"
#include "platform/LargeBlocks.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/SfmlWindow.h"
#include "platform/WriteQueue.h"

namespace {
// The window system refuses a side of 0 and wraps one past 65535 to 0, which ends the program
// before it starts: a side it cannot make falls back to the default.
unsigned windowSide(long configured, unsigned fallback) {
    return configured >= 1 && configured <= 16384 ? static_cast<unsigned>(configured) : fallback;
}

struct StartOptions {
    std::string level;
    std::optional<bool> fullscreen;  // for this start only; never written
};

// A level named on the command line is looked for where the author stands first, then among
// the game's own levels. Nothing when neither has it.
std::optional<std::string> findLevel(const std::string& given) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_regular_file(given, ec)) {
        // One of the game's own keeps the name the game gives it: the level sequence and the
        // save read the level's number from it.
        const fs::path full = fs::weakly_canonical(given, ec);
        const fs::path inData = full.lexically_relative(fs::weakly_canonical(gameFolders().data, ec));
        if (!inData.empty() && *inData.begin() != "..") return inData.string();
        return full.string();
    }
    if (fs::is_regular_file(nativePath(given), ec)) return given;
    return std::nullopt;
}
}  // namespace

int main(int argc, char** argv) {
    returnLargeBlocksToTheSystem();
    CLI::App app{"Torve, a hand-drawn platform game. Without options it starts at the splash card.", "torve"};
    StartOptions start;
    bool windowed = false, fullscreen = false;
    app.set_version_flag("--version", TORVE_VERSION);
    app.add_option("--level", start.level, "Start straight in this level file, past the splash card and the menu")
        ->type_name("FILE");
    auto* windowedFlag = app.add_flag("--windowed", windowed, "Open a window this time, whatever config.ini says");
    app.add_flag("--fullscreen", fullscreen, "Fill the screen this time, whatever config.ini says")
        ->excludes(windowedFlag);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::CallForVersion& version) {
        std::cout << "torve " << version.what() << "\n";
        return 0;
    } catch (const CLI::ParseError& error) {
        std::cerr << "torve: " << error.what() << "\n\n" << app.help();
        return 2;
    }
    if (windowed || fullscreen) start.fullscreen = fullscreen;

    useGameFolders(findGameFolders(exeDirectoryPath("")));
    if (!start.level.empty()) {
        const std::optional<std::string> level = findLevel(start.level);
        if (!level) {
            std::cerr << "torve: no level file " << start.level << " here or in " << gameFolders().data << "\n";
            return 2;
        }
        start.level = *level;
    }

    Config config;
    const unsigned width = windowSide(config.integer("Resolution", "x", 1024), 1024);
    const unsigned height = windowSide(config.integer("Resolution", "y", 768), 768);
    const bool full = start.fullscreen.value_or(config.integer("Resolution", "Fullscreen", 0) == 1);

    // Saves and settings are written off the frame; every way out ends the loop and lands here.
    WriteQueue::start();
    SfmlWindow window(width, height, full);
    {
        Game game;
        if (!start.level.empty()) game.startLevel(start.level);
        seedRandom(static_cast<unsigned>(std::time(nullptr)));
        while (window.isOpen()) runFrame(window, game);
    }
    WriteQueue::stop();
    return 0;
}
