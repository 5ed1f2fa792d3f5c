#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>
#include <thread>

#include "TestSupport.h"
#include "platform/FileWriter.h"

namespace {
// A child process rewrites `name` forever, alternating two versions, and is killed at a
// random moment, over and over. After each kill the file must hold one version in full.
void killWhileWriting(const std::string& name, const std::function<bool(int)>& writeVersion,
                      const std::string versions[2]) {
    TempDir dir;
    dir.write(name, versions[0]);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    int sawNew = 0;
    for (int round = 0; round < 150; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 1;; ++i)
                if (!writeVersion(i % 2)) _exit(3);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own in round " << round;
        const std::string now = dir.read(name);
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << "round " << round << ": " << now.size() << " bytes, neither version";
        sawNew += now == versions[1];
    }
    EXPECT_GT(sawNew, 0);  // the kills did land after completed writes too
    // A temporary file left by a kill does not stop the next write.
    ASSERT_TRUE(writeVersion(1));
    EXPECT_EQ(dir.read(name), versions[1]);
}

std::string shippedConfig() {
    std::ifstream in(std::filesystem::path(TORVE_GAME_DIR) / "config.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
}  // namespace

TEST(InterruptedWrites, SaveFileIsAlwaysTheOldOrTheNewProgress) {
    // The long level name makes each write take long enough for kills to land inside it.
    const std::string versions[2] = {"500 -300 Level.txt 1", "1234 567 " + std::string(1 << 16, 'L') + ".txt 3"};
    killWhileWriting("save.save", [&](int v) { return writeFileAtomically("save.save", versions[v]); }, versions);
}

TEST(InterruptedWrites, ConfigFileIsAlwaysTheOldOrTheNewSettings) {
    // A long comment block (kept by the writer) stretches each write as above.
    const std::string base = shippedConfig() + "\n; " + std::string(1 << 16, '-') + "\n";
    ASSERT_NE(base.find("Music_Volume"), std::string::npos);
    std::string versions[2];
    {
        TempDir scratch;
        scratch.write("config.ini", base);
        ASSERT_TRUE(writeProfileString("Sound", "Music_Volume", "0.25", "config.ini"));
        versions[0] = scratch.read("config.ini");
        ASSERT_TRUE(writeProfileString("Sound", "Music_Volume", "0.75", "config.ini"));
        versions[1] = scratch.read("config.ini");
    }
    const char* values[2] = {"0.25", "0.75"};
    killWhileWriting("config.ini", [&](int v) { return writeProfileString("Sound", "Music_Volume", values[v], "config.ini"); },
                     versions);
}

// A device that is always full stands in for a disk error at the moment of writing.
TEST(InterruptedWrites, AWriteErrorKeepsTheOldFileAndSaysSo) {
    TempDir dir;
    dir.write("save.save", "1234 567 Level3.txt 3");
    dir.write("config.ini", "[Sound]\nMusic_Volume=0.5\n");
    std::filesystem::create_symlink("/dev/full", "save.save.tmp");
    std::filesystem::create_symlink("/dev/full", "config.ini.tmp");
    EXPECT_FALSE(writeFileAtomically("save.save", "500 -300 Level.txt 1"));
    EXPECT_FALSE(writeProfileString("Sound", "Music_Volume", "0.1", "config.ini"));
    EXPECT_EQ(dir.read("save.save"), "1234 567 Level3.txt 3");
    EXPECT_EQ(dir.read("config.ini"), "[Sound]\nMusic_Volume=0.5\n");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("save.save.tmp")));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("config.ini.tmp")));
}
