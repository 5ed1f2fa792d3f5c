#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "input/InputScript.h"
#include "Simulation.h"
#include "TestSupport.h"
#include "platform/TimeSource.h"

namespace {
const char* const kReplays[][2] = {{"Level.txt", "Level1.script"},
                                   {"Level2.txt", "Level2.script"},
                                   {"Level3.txt", "Level3.script"},
                                   {"Level4.txt", "Level4.script"},
                                   {"Level5.txt", "Level5.script"}};

std::filesystem::path scriptPath(const std::string& name) {
    return std::filesystem::path(TORVE_SOURCE_DIR) / "tests" / "replays" / name;
}

InputScript readScript(const std::string& name) {
    std::ifstream in(scriptPath(name));
    std::string error;
    return parseInputScript(in, error).value();
}

// Every frame's state line and the objects at the end, played in this process from a fresh
// game folder.
std::string playHere(const std::string& level, const std::string& script) {
    GameFolderCopy dir;
    SimOptions options;
    options.level = level;
    options.every = 1;
    options.objects = true;
    options.script = readScript(script);
    std::ostringstream out;
    runSimulation(options, out);
    return out.str();
}

std::string playInOwnProcess(const std::string& level, const std::string& script) {
    GameFolderCopy dir;
    return runCommand(std::string("ALSOFT_DRIVERS=null ") + TORVE_SIM_EXE + " --every 1 --objects --level " + level +
                      " --input " + scriptPath(script).string() + " 2>/dev/null")
        .out;
}

// The first line where two plays part, or "" when they agree.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string p, q;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(x, p)), moreToo = static_cast<bool>(std::getline(y, q));
        if (!more && !moreToo) return "";
        if (p != q || more != moreToo) return "line " + std::to_string(line) + ":\n" + p + "\n" + q;
    }
}
}  // namespace

// Two games in one process, each played a frame in turn, give exactly what each gives alone:
// nothing of a game lives outside it.
TEST(Determinism, TwoGamesSideBySidePlayAsEachAlone) {
    // One level's, so the shared sound device is not asked for two musics in turn; the first
    // starts first, so the second finds the save as it would alone.
    const std::string scripts[2] = {"Level1.script", "Level1.pad.script"};
    GameFolderCopy dir;
    TimeSource::useSimulated(true);
    std::ostringstream out[2];
    std::vector<std::unique_ptr<SimulatedGame>> games;
    for (const std::string& script : scripts)
        games.push_back(std::make_unique<SimulatedGame>(SimOptions{"Level.txt", -1, 1, 1, true, readScript(script)}));
    while (!games[0]->done() || !games[1]->done()) {
        for (int g = 0; g < 2; ++g)
            if (!games[g]->done()) games[g]->frame(out[g]);
        TimeSource::advanceFrame();
    }
    for (int g = 0; g < 2; ++g) {
        games[g]->finish(out[g]);
        EXPECT_EQ(firstDifference(out[g].str(), playHere("Level.txt", scripts[g])), "") << scripts[g];
    }
}

// A replay is the same game however often and wherever it is played: twice in one process
// (whatever the first play left behind) and once in a process of its own.
TEST(Determinism, EveryReplayPlaysTheSameInAndAcrossProcesses) {
    for (const auto& [level, script] : kReplays) {
        SCOPED_TRACE(script);
        const std::string first = playHere(level, script);
        ASSERT_EQ(std::count(first.begin(), first.end(), '\n'), readScript(script).totalFrames());
        EXPECT_EQ(firstDifference(first, playHere(level, script)), "");
        EXPECT_EQ(firstDifference(first, playInOwnProcess(level, script)), "");
    }
}
