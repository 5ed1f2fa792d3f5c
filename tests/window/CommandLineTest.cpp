#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "GameSession.h"
#include "TestSupport.h"

TEST(CommandLine, HelpVersionAndWrongArgumentsAnswerWithoutOpeningAWindow) {
    const struct {
        const char* arguments;
        int status;
        const char* out;  // what standard output starts with
        const char* err;  // found in standard error; "" when it must stay empty
    } cases[] = {
        {"--help", 0, "Torve, a hand-drawn platform game.", ""},
        {"--version", 0, "torve " TORVE_VERSION "\n", ""},
        {"--bogus", 2, "", "--level FILE"},
        {"extra", 2, "", "--level FILE"},
        {"--windowed --fullscreen", 2, "", "excludes"},
        {"--level", 2, "", "--level"},
        {"--level NoSuchLevel.txt", 2, "", "no level file NoSuchLevel.txt"},
        {"--level notes.txt", 2, "", "notes.txt is not a level file: line 1: expected an integer x, found 'Remember'"},
        {"--level zeros.bin", 2, "", "zeros.bin is not a level file"},
        {"--level empty.txt", 2, "", "empty.txt is not a level file: it places no picture"},
        {"--replay NoSuchScript", 2, "", "NoSuchScript: cannot be read"},
        {"--replay notes.txt", 2, "", "notes.txt: line 1: expected a frame count, found 'Remember'"},
    };
    TempDir dir;
    dir.write("notes.txt", "Remember to draw the cave.\n");
    dir.write("zeros.bin", std::string(1 << 20, '\0'));
    dir.write("empty.txt", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        // No display: none of these may need one.
        const CommandResult r =
            runCommand(std::string("env -u DISPLAY " TORVE_EXE " ") + c.arguments + " 2>" + (dir.path() / "err").string());
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << r.out;
        const std::string err = dir.read("err");
        if (*c.err) EXPECT_NE(err.find(c.err), std::string::npos) << err;
        else EXPECT_EQ(err, "");
    }
}

// A level author's start: straight into the named level, from any folder, leaving the
// player's progress exactly as it was.
TEST(CommandLine, LevelOptionOpensThatLevelPastTheSplashAndTheMenu) {
    for (const bool inGameFolder : {false, true}) {
        SCOPED_TRACE(inGameFolder ? "started in the game folder" : "started elsewhere");
        GameSession session;
        const std::string progress = "1234 567 Level2.txt 2";
        std::ofstream(session.folder() / "save.save") << progress;
        session.process().launch().arguments = {"--level", "Level3.txt"};
        if (!inGameFolder) session.process().launch().workingFolder = "/";
        ASSERT_TRUE(session.start()) << session.evidence();
        const Image first = session.shot("first-frame");
        EXPECT_FALSE(session.showsSplash(first) || session.menuShown(first)) << session.evidence();
        ASSERT_TRUE(session.waitForShot("level", [&](const Image& s) { return session.showsLevel(s); }, 5))
            << session.evidence();
        waitSeconds(0.5);
        EXPECT_EQ(fileText(session.folder() / "save.save"), progress);
    }
}

// A shared run: the script plays in the window, writes nothing and ends the program with it.
TEST(CommandLine, ReplayPlaysTheScriptInTheWindowAndEndsWithIt) {
    GameSession session;
    const std::string progress = "1234 567 Level3.txt 3";
    std::ofstream(session.folder() / "save.save") << progress;
    std::ofstream(session.folder() / "run.script") << "150 d\n";
    session.process().launch().arguments = {"--replay", "run.script", "--level", "Level3.txt"};
    ASSERT_TRUE(session.start()) << session.evidence();
    ASSERT_TRUE(session.waitForShot("level", [&](const Image& s) { return session.showsLevel(s); }, 5))
        << session.evidence();
    EXPECT_EQ(session.process().waitForExit(20), 0) << session.evidence();
    EXPECT_EQ(fileText(session.folder() / "save.save"), progress);
}

// The editor driven by the pointer and keys in a real window: an ink floor drawn, the goal put
// at the pointer, Ctrl+S; the level it saves plays to its goal.
TEST(CommandLine, EditOptionDrawsPlacesTheGoalAndSaves) {
    GameSession session;
    session.process().launch().arguments = {"--edit", "Mine.txt"};
    ASSERT_TRUE(session.start()) << session.evidence();
    waitSeconds(1);
    session.hold("i", 0.1);
    session.pointAt(100, 500);
    x11::xdotool(session.display(), "mousedown 1");
    for (float x = 100; x <= 1000; x += 50) session.pointAt(x, 500);
    x11::xdotool(session.display(), "mouseup 1");
    session.pointAt(800, 420);
    session.hold("g", 0.1);
    session.keyDown("ctrl");
    session.hold("s", 0.2);
    session.keyUp("ctrl");
    waitSeconds(0.5);
    x11::requestClose(session.display(), session.window());
    EXPECT_EQ(session.process().waitForExit(10), 0) << session.evidence();
    const std::string level = fileText(session.folder() / "Mine.txt");
    EXPECT_NE(level.find("Mine-ink-1.png 3\n"), std::string::npos) << level;
    EXPECT_NE(level.find(" Content/Level/goal.png 19\n"), std::string::npos) << level;
    std::ofstream(session.folder() / "run.script") << "60\n200 D\n";
    const CommandResult played = runCommand("cd " + session.folder().string() + " && ALSOFT_DRIVERS=null " +
                                            TORVE_SIM_EXE + " --level Mine.txt --input run.script");
    EXPECT_NE(played.out.find("\"state\":1"), std::string::npos) << played.out;
}
