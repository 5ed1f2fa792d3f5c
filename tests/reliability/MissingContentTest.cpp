#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ReliabilitySupport.h"
#include "SoakScript.h"

// No pictures, sounds, music, levels or configuration at all: the game still shows its
// menus, goes through the options, and plays an empty level.
TEST(MissingContent, TheGameReachesTheMenuAndPlaysAnEmptyLevel) {
    TempDir dir;
    std::filesystem::create_directories("bare");
    std::filesystem::current_path("bare");
    const auto menu = MenuPoints::ofGameHere();
    if (!menu) GTEST_SKIP() << kMenuPointsNeedOwnProcess;
    const std::string script = optionsThenPlayScript(*menu) + randomPlayScript(3, 900, *menu);
    dir.write("play.script", script);
    const std::string sim = simIn(dir.path() / "bare");
    const MeasuredRun run = runMeasured(sim + " --input ../play.script --every 10 2>../errors.txt");
    const std::string errors = dir.read("errors.txt");
    ASSERT_EQ(run.status, 0) << errors.substr(0, 4000);
    EXPECT_EQ(sanitizerReport(errors), "");

    std::vector<nlohmann::json> states;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) states.push_back(nlohmann::json::parse(line));
    ASSERT_FALSE(states.empty());
    const auto reached = [&states](int state) {
        return std::any_of(states.begin(), states.end(), [state](const auto& s) { return s["state"] == state; });
    };
    EXPECT_TRUE(reached(1));  // main menu
    EXPECT_TRUE(reached(6));  // options
    EXPECT_TRUE(reached(3));  // playing
    EXPECT_EQ(states.back()["level"], "Level.txt");
    // The options were written beside the program, the progress in the working folder.
    EXPECT_NE(dir.read("bare/config.ini").find("Music_Volume=0"), std::string::npos);
    EXPECT_EQ(dir.read("bare/save.save"), "500 -300 Level.txt 1");
}
