#include <gtest/gtest.h>

#include "ReliabilitySupport.h"

// With no audio device (here: a driver that does not exist) the first level still plays
// through to the second, and standard error holds the audio library's few lines about the
// device, not a report for every voice every frame.
TEST(NoSoundDevice, TheFirstLevelPlaysThroughQuietly) {
    GameFolderCopy dir;
    const std::string script = std::string(TORVE_SOURCE_DIR) + "/tests/replays/Level1.script";
    const MeasuredRun run = runMeasured(std::string("ALSOFT_DRIVERS=nosuch ") + TORVE_SIM_EXE +
                                        " --level Level.txt --input " + script + " 2>errors.txt");
    const std::string errors = dir.read("errors.txt");
    ASSERT_EQ(run.status, 0) << errors.substr(0, 2000);
    EXPECT_EQ(lastState(run.out)["level"], "Level2.txt");
    EXPECT_LT(errors.size(), 1000u) << errors.substr(0, 2000);
}
