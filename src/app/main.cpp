#include <CLI/CLI.hpp>
#include <SFML/Window/VideoMode.hpp>
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "app/FrameLoop.h"
#include "app/Game.h"
#include "app/ReplayWindow.h"
#include "config/Config.h"
#include "input/InputScript.h"
#include "editor/EditedLevel.h"
#include "level/LevelFile.h"
#include "platform/FolderLock.h"
#include "platform/LargeBlocks.h"
#include "platform/Paths.h"
#include "platform/PictureDecodes.h"
#include "platform/SfmlWindow.h"
#include "platform/StopSignals.h"
#include "platform/TimeSource.h"
#include "platform/WriteQueue.h"

namespace {
// The window system refuses a side of 0 and wraps one past 65535 to 0, which ends the program
// before it starts; a window below 320 x 240 shows nothing usable and one beyond the largest
// display mode cannot be seen whole.
unsigned windowSide(const char* key, long configured, unsigned smallest, unsigned largest) {
    const long side = std::clamp(configured, static_cast<long>(smallest), static_cast<long>(largest));
    if (side != configured)
        std::cerr << "torve: config.ini: [Resolution] " << key << "=" << configured << " is out of reach; using "
                  << side << "\n";
    return static_cast<unsigned>(side);
}

struct StartOptions {
    std::string level;
    std::string replay;
    std::string edit;
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
// The script's words as torve-sim reads them; nothing, with the reason told, when it cannot be read.
std::optional<InputScript> readScript(const std::string& path) {
    std::ifstream in(path);
    std::string error = "cannot be read";
    std::optional<InputScript> script;
    if (in && !std::filesystem::is_directory(path)) script = parseInputScript(in, error);
    if (!script) std::cerr << "torve: " << path << ": " << error << "\n";
    return script;
}

// By the time play is drawn the screens before it have taken their pictures; one nobody took
// (the pause screen's, or the menus' in a replay) is read when it first shows instead of
// being held all game.
void forgetScreenPicturesOncePlaying(PictureDecodes& decodes, const Game& game, bool& playDrawn) {
    if (playDrawn || game.state() != GameState::Playing) return;
    decodes.forget(Game::screenPictures());
    playDrawn = true;
}

// A replay writes nothing, so it needs no folder to itself and stops no other copy, and it
// starts from no progress, so a shared run plays the same whatever the viewer's save holds.
// Its window has the game's own size: the script's pointer is in those pixels.
int playReplay(InputScript script, const std::string& level) {
    catchStopSignals();
    WriteQueue::refuseWrites();
    GameFolders folders = gameFolders();
    folders.progress.clear();
    useGameFolders(folders);
    TimeSource::useSimulated(true);
    SfmlWindow shown(1024, 768, false);
    ReplayWindow window(shown, std::move(script));
    PictureDecodes decodes(Game::largestPictures());
    Game game;
    if (!level.empty()) game.startLevel(level);
    bool playDrawn = false;
    while (window.isOpen() && !stopAsked() && !window.finished()) {
        runFrame(window, game);
        forgetScreenPicturesOncePlaying(decodes, game, playDrawn);
        TimeSource::advanceFrame();
    }
    return 0;
}

// The file the editor opens: a level of the game's own by its place in the data folder, any
// other where the author stands, so its painted pictures are saved beside it.
std::string editedFile(const std::string& given) {
    const std::optional<std::string> found = findLevel(given);
    return std::filesystem::absolute(found ? nativePath(*found) : given).string();
}

std::string folderOf(const std::string& file) {
    const std::filesystem::path parent = std::filesystem::path(nativePath(file)).parent_path();
    return parent.empty() ? "." : parent.string();
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
    app.add_option("--edit", start.edit, "Open the level editor on this level file (a new level if there is none)")
        ->type_name("FILE");
    app.add_option("--replay", start.replay,
                   "Play this input script (the words torve-sim reads) at normal speed, write nothing, and "
                   "exit at its end")
        ->type_name("SCRIPT");
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
        // The level's own messages are torve-levelcheck's; here a file that places nothing is
        // no level at all.
        const LevelFile file = LevelFile::read(*level);
        if (file.records.empty()) {
            std::cerr << "torve: " << start.level << " is not a level file: ";
            if (file.stop.clean()) std::cerr << "it places no picture\n";
            else
                std::cerr << "line " << file.stop.line << ": expected " << file.stop.expected << ", found '"
                          << file.stop.found << "'\n";
            return 2;
        }
        start.level = *level;
    }
    if (!start.edit.empty()) {
        start.edit = editedFile(start.edit);
        if (const auto refused = EditedLevel::refusal(start.edit)) {
            std::cerr << "torve: " << *refused << "\n";
            return 2;
        }
    }
    if (!start.replay.empty()) {
        std::optional<InputScript> script = readScript(start.replay);
        return script ? playReplay(std::move(*script), start.level) : 2;
    }

    Config config;
    const sf::VideoMode largest = sf::VideoMode::getFullscreenModes().empty()
                                      ? sf::VideoMode(16384, 16384)
                                      : sf::VideoMode::getFullscreenModes().front();
    const unsigned width = windowSide("x", config.integer("Resolution", "x", 1024), 320, largest.width);
    const unsigned height = windowSide("y", config.integer("Resolution", "y", 768), 240, largest.height);
    const bool full = start.fullscreen.value_or(config.integer("Resolution", "Fullscreen", 0) == 1);

    // Saves and settings are written off the frame; every way out ends the loop and lands here.
    catchStopSignals();
    const std::string progressFolder = folderOf(gameFolders().progress);
    const std::string settingsFolder = folderOf(gameFolders().settings);
    const FolderLock progressLock(progressFolder);
    std::optional<FolderLock> settingsLock;
    if (settingsFolder != progressFolder) settingsLock.emplace(settingsFolder);
    const bool alone = progressLock.held() && (!settingsLock || settingsLock->held());
    if (!alone) WriteQueue::refuseWrites();
    WriteQueue::start();
    SfmlWindow window(width, height, full);
    int status = 0;
    {
        PictureDecodes decodes(Game::largestPictures());
        Game game(static_cast<unsigned>(std::time(nullptr)));
        if (!alone) game.unsavedNotice.report(UnsavedNotice::AnotherCopy, progressFolder);
        if (!start.level.empty()) game.startLevel(start.level, true);
        std::string error;
        if (!start.edit.empty() && !game.openEditor(start.edit, error)) {
            std::cerr << "torve: " << error << "\n";
            status = 2;
        }
        bool playDrawn = false;
        while (status == 0 && window.isOpen() && !stopAsked()) {
            runFrame(window, game);
            forgetScreenPicturesOncePlaying(decodes, game, playDrawn);
        }
        game.keepUnsavedEdits();
    }
    WriteQueue::stop();
    return status;
}
