#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "TestSupport.h"
#include "platform/Image.h"

// A level copied into levels/ with its picture is picked in the level select, opened from the
// main menu, and played to its goal past a page: the game comes back to the list, the progress
// is left as it was and the run's time and the page found are kept.
TEST(LevelSelect, AnOwnLevelPlaysApartToItsGoalAndKeepsItsBestTimeAndPages) {
    GameFolderCopy dir;
    const std::string save = "500 -300 Level2.txt 2";
    dir.write("save.save", save);
    // Under the start point: a page the fall goes through, then the goal.
    dir.write("levels/Tiny/Tiny.txt", "490 -200 Content/Level/page.png 21\n300 0 tiny_goal.png 19\n");
    Image goal;
    goal.create(400, 200, Color{0, 0, 0, 255});
    ASSERT_TRUE(goal.saveToFile("levels/Tiny/tiny_goal.png"));
    // Damaged lines are passed over; the lines that can be read survive the next write.
    dir.write("stats.txt", "12.5 game Level.txt\nnot a time\n\xff\x01\n-1 own Tiny/Tiny.txt\n9 own Tiny/Tiny.txt\n"
                           "pages 5/3 own Tiny/Tiny.txt\npages 0/1 own Tiny/Tiny.txt\n");
    // Past the splash; the menu's third button; down the list past the two levels reached.
    dir.write("run.txt", "1 escape\n1\n1 down\n1\n1 down\n1\n1 down\n1\n1 enter\n1\n"
                         "1 down\n1\n1 down\n1\n1 down\n1\n1 enter\n120\n");
    const CommandResult run = runCommand(std::string("ALSOFT_DRIVERS=null ") + TORVE_SIM_EXE + " --input run.txt");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out)["state"], 8);
    EXPECT_EQ(dir.read("save.save"), save);
    const std::string stats = dir.read("stats.txt");
    const std::regex kept(
        "12\\.500 game Level\\.txt\n([0-9]\\.[0-9]{3}) own Tiny/Tiny\\.txt\npages 1/1 own Tiny/Tiny\\.txt\n");
    std::smatch time;
    ASSERT_TRUE(std::regex_match(stats, time, kept)) << stats;
    EXPECT_LE(std::stod(time[1]), 2.0);  // the fall, in the frames played after the pick
}
