#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include "ReliabilitySupport.h"
#include "SoakScript.h"

// Random play on every shipped level. `make test` runs a short soak; scripts/soak sets
// TORVE_SOAK_FRAMES and TORVE_SOAK_RESTARTS for the long one under the sanitizers.
namespace {
long fromEnvironment(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atol(value) : fallback;
}

std::vector<std::string> shippedLevels() {
    std::vector<std::string> levels;
    for (const char* name : {"Level.txt", "Level2.txt", "Level3.txt", "Level4.txt", "Level5.txt"})
        if (std::filesystem::exists(std::filesystem::path(TORVE_GAME_DIR) / name)) levels.push_back(name);
    return levels;
}

struct SoakRun {
    MeasuredRun run;
    std::string errors;
};

// Plays the script, cut or stretched to `frames` frames; -1: as long as the script.
SoakRun playScript(const TempDir& dir, const std::string& sim, const std::string& level, const std::string& script,
                   long frames, unsigned seed) {
    dir.write("soak.script", script);
    SoakRun result;
    const std::string length = frames < 0 ? "" : " --frames " + std::to_string(frames);
    result.run = runMeasured(sim + " --level " + level + " --input soak.script" + length + " --seed " +
                             std::to_string(seed) + " --every 20 2>soak.err");
    result.errors = dir.read("soak.err");
    return result;
}
}  // namespace

TEST(Soak, RandomPlayOnEveryLevelRunsToTheEndWithoutAReport) {
    const auto levels = shippedLevels();
    if (levels.empty()) GTEST_SKIP() << "no shipped levels in " << TORVE_GAME_DIR;
    const long frames = fromEnvironment("TORVE_SOAK_FRAMES", 20000) / static_cast<long>(levels.size());
    GameFolderCopy dir;
    const auto menu = MenuPoints::ofGameHere();
    if (!menu) GTEST_SKIP() << kMenuPointsNeedOwnProcess;
    const std::string sim = simIn(dir.path());
    std::set<int> screens;
    for (size_t i = 0; i < levels.size(); ++i) {
        const unsigned seed = 1000 + static_cast<unsigned>(i);
        SCOPED_TRACE(levels[i] + ", seed " + std::to_string(seed));
        const SoakRun soak = playScript(dir, sim, levels[i], randomPlayScript(seed, frames, *menu), frames, seed);
        EXPECT_EQ(soak.run.status, 0) << soak.errors.substr(0, 4000);
        EXPECT_EQ(sanitizerReport(soak.errors), "");
        EXPECT_EQ(lastState(soak.run.out)["frame"], frames) << "the game closed early";
        std::istringstream lines(soak.run.out);
        for (std::string line; std::getline(lines, line);) screens.insert(nlohmann::json::parse(line)["state"].get<int>());
        std::filesystem::remove("save.save");
    }
    // The input went through the menus, the options and the leave question, not only play.
    for (int screen : {1, 3, 4, 5, 6}) EXPECT_TRUE(screens.count(screen)) << "never on screen " << screen;
}

// Restarting rebuilds the erased objects from the cached pictures and drops the old copies:
// the peak memory after many restarts is the peak after a few.
TEST(Soak, MemoryStaysFlatAcrossRestarts) {
    const auto levels = shippedLevels();
    if (levels.empty()) GTEST_SKIP() << "no shipped levels in " << TORVE_GAME_DIR;
    const int restarts = static_cast<int>(fromEnvironment("TORVE_SOAK_RESTARTS", 40));
    GameFolderCopy dir;
    const auto menu = MenuPoints::ofGameHere();
    if (!menu) GTEST_SKIP() << kMenuPointsNeedOwnProcess;
    const std::string sim = simIn(dir.path());
    long peak[2] = {0, 0};
    const int counts[2] = {restarts / 10, restarts};
    for (int i = 0; i < 2; ++i) {
        const SoakRun soak = playScript(dir, sim, levels.front(), restartScript(7, counts[i], *menu), -1, 7);
        ASSERT_EQ(soak.run.status, 0) << soak.errors.substr(0, 4000);
        EXPECT_EQ(sanitizerReport(soak.errors), "");
        peak[i] = soak.run.peakRssKiB;
        std::filesystem::remove("save.save");
    }
    RecordProperty("peak_rss_kib_few", std::to_string(peak[0]));
    RecordProperty("peak_rss_kib_many", std::to_string(peak[1]));
    std::cout << "peak RSS after " << counts[0] << " restarts: " << peak[0] << " KiB, after " << counts[1] << ": "
              << peak[1] << " KiB\n";
    EXPECT_LT(peak[1] - peak[0], 16 * 1024) << "memory grew with the number of restarts";
}
