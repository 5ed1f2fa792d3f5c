#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "TestSupport.h"
#include "platform/Image.h"

namespace {
CommandResult sim(const std::string& arguments) {
    return runCommand(std::string("ALSOFT_DRIVERS=null ") + TORVE_SIM_EXE + " " + arguments + " 2>stderr.txt");
}

std::vector<nlohmann::json> stateLines(const std::string& out) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) lines.push_back(nlohmann::json::parse(line));
    return lines;
}
}  // namespace

TEST(SimProcess, BadArgumentsAndUnreadableScriptsExitWithTwoAndSayWhy) {
    TempDir dir;
    EXPECT_EQ(sim("--frames nope").status, 2);
    EXPECT_EQ(sim("--input missing.txt").status, 2);
    EXPECT_NE(dir.read("stderr.txt").find("cannot read input script 'missing.txt'"), std::string::npos);
    dir.write("bad.txt", "10 d\n5 fly\n");
    EXPECT_EQ(sim("--input bad.txt").status, 2);
    EXPECT_NE(dir.read("stderr.txt").find("line 2: unknown input 'fly'"), std::string::npos);
    EXPECT_EQ(sim("--every 0").status, 2);
}

TEST(SimProcess, PrintsStateLinesAndTheObjectsOfAHandMadeLevel) {
    TempDir dir;
    Image ground;
    ground.create(600, 40, Color{0, 0, 0, 255});
    ASSERT_TRUE(ground.saveToFile("ground.png"));
    dir.write("config.ini", "[Player]\nGravity=0.3\nMaxGravity=12\nFriktion=0.5\nRunSpeed=2.75\nJumpPower=9\n"
                            "SizeX=40\nSizeY=90\nHillwalk=10\n[Debug]\nPlayerX=500\nPlayerY=300\n");
    dir.write("Level.txt", "300 500 ground.png 3\n");
    dir.write("run.txt", "60\n30 d\n");
    const CommandResult r = sim("--level Level.txt --input run.txt --every 30 --objects");
    ASSERT_EQ(r.status, 0) << dir.read("stderr.txt");
    const auto lines = stateLines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["frame"], 30);
    EXPECT_EQ(lines[2]["frame"], 90);
    const auto& last = lines[2];
    EXPECT_EQ(last["state"], 3);
    EXPECT_EQ(last["level"], "Level.txt");
    EXPECT_EQ(last["checkpoint"], nlohmann::json::array({500, 300}));
    EXPECT_FLOAT_EQ(last["player"]["y"].get<float>(), 410.f);  // standing on the ground's top row
    EXPECT_GT(last["player"]["x"].get<float>(), 600.f);        // ran right for half a second
    EXPECT_EQ(last["player"]["anim"], "RunningRight");
    ASSERT_EQ(last["objects"].size(), 1u);
    EXPECT_EQ(last["objects"][0]["kind"], 3);
    EXPECT_EQ(last["objects"][0]["solid"], 600 * 40);
    EXPECT_FALSE(lines[0].contains("objects"));
    EXPECT_EQ(dir.read("save.save"), "500 300 Level.txt 1");

    dir.write("Mine.txt", "300 500 ground.png 3\n");  // a level of one's own leaves the progress alone
    ASSERT_EQ(sim("--level Mine.txt --frames 30").status, 0);
    EXPECT_EQ(dir.read("save.save"), "500 300 Level.txt 1");
}
