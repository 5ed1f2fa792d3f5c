#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "InputScript.h"
#include "Simulation.h"
#include "TestSupport.h"

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
