#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include "TestSupport.h"
#include "platform/FileWriter.h"
#include "platform/FolderLock.h"
#include "platform/WriteQueue.h"

namespace {
// A child process rewrites `name` forever, alternating two versions, and is killed at a
// random moment, over and over. After each kill the file must hold one version in full
// (followed by blanks, when a player who may not add files to the folder rewrites it in place).
void killWhileWriting(const std::string& name, const std::function<bool(int)>& writeVersion,
                      const std::string versions[2], bool inPlace = false) {
    TempDir dir;
    dir.write(name, versions[0]);
    const PlainUser player = plainUser();
    if (inPlace) {
        chmod(name.c_str(), 0666);
        chmod(".", 0555);
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    int sawNew = 0;
    for (int round = 0; round < 150; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (inPlace && player.ids && (setgid(player.ids->second) != 0 || setuid(player.ids->first) != 0)) _exit(2);
            if (inPlace && access(".", W_OK) == 0) _exit(4);
            for (int i = 1;; ++i)
                if (!writeVersion(i % 2)) _exit(3);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own in round " << round;
        std::string now = dir.read(name);
        if (inPlace) now.erase(now.find_last_not_of(' ') + 1);
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << "round " << round << ": " << now.size() << " bytes, neither version";
        sawNew += now == versions[1];
    }
    EXPECT_GT(sawNew, 0);  // the kills did land after completed writes too
    chmod(".", 0755);
    // A temporary file left by a kill does not stop the next write.
    ASSERT_TRUE(writeVersion(1));
    EXPECT_EQ(dir.read(name), versions[1]);
}

int temporaries() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(".")) count += entry.path().extension() == ".tmp";
    return count;
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

TEST(InterruptedWrites, AFileRewrittenInPlaceIsNeverEmptiedNorMixed) {
    const std::string versions[2] = {"500 -300 Level.txt 1", "1234 567 " + std::string(4000, 'L') + ".txt 3"};
    killWhileWriting("save.save", [&](int v) { return writeFileAtomically("save.save", versions[v]); }, versions, true);
}

// A file size limit stands in for a full disk at the moment of writing.
TEST(InterruptedWrites, AWriteErrorKeepsTheOldFileAndSaysSo) {
    TempDir dir;
    dir.write("save.save", "1234 567 Level3.txt 3");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit tiny{4, saved.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool written = writeFileAtomically("save.save", "500 -300 Level.txt 1");
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_EQ(dir.read("save.save"), "1234 567 Level3.txt 3");
    EXPECT_EQ(temporaries(), 0);
}

// Two copies of the game in one folder, links planted at temporary names, and what kills leave.
TEST(InterruptedWrites, WritersNeverShareOrFollowATemporaryAndTheLockHolderClearsLeftovers) {
    TempDir dir;
    std::optional<FolderLock> first(".");
    const std::string versions[2] = {"500 -300 Level.txt 1", "1234 567 Level3.txt 3"};
    dir.write("victim", "kept");
    for (const std::string n : {"", ".0", ".1"})
        std::filesystem::create_symlink("victim", "save.save" + (n.empty() ? "" : "." + std::to_string(getpid()) + n) + ".tmp");
    ASSERT_TRUE(writeFileAtomically("save.save", versions[0]));
    pid_t writers[2];
    for (int w = 0; w < 2; ++w)
        if ((writers[w] = fork()) == 0)
            for (int i = w;; ++i) writeFileAtomically("save.save", versions[i % 2]);
    int bad = 0;
    for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2); std::chrono::steady_clock::now() < end;) {
        const std::string seen = dir.read("save.save");
        bad += seen != versions[0] && seen != versions[1];
    }
    for (const pid_t writer : writers) {
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
    }
    EXPECT_EQ(bad, 0) << "reads of an empty or mixed save";
    // A second copy plays without writing, and leaves the leftovers to the holder.
    EXPECT_FALSE(FolderLock(".").held());
    EXPECT_GE(temporaries(), 3);
    if (fork() == 0) {
        WriteQueue::refuseWrites();
        WriteQueue::replaceFile("save.save", "lost");
        _exit(static_cast<int>(WriteQueue::takeFailures().size()));
    }
    int status = 1;
    wait(&status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(dir.read("save.save"), "lost");
    first.reset();
    EXPECT_TRUE(FolderLock(".").held());
    EXPECT_EQ(temporaries(), 0);
    EXPECT_EQ(dir.read("victim"), "kept");
}
