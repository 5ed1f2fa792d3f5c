#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "TestSupport.h"

// A logout, Ctrl-C or a closed terminal while the game's writes still wait for a slow disk:
// the game makes them all, leaves no temporary file and exits as the close box does.
TEST(StopSignals, EveryWriteAskedForIsMadeBeforeTheGameLeaves) {
    const auto replay = std::filesystem::path(TORVE_SOURCE_DIR) / "tests" / "replays" / "Level1.script";
    const std::pair<int, double> stops[] = {{SIGTERM, 0.3}, {SIGINT, 0.6}, {SIGHUP, 0.9}};
    for (const auto& [signal, after] : stops) {
        SCOPED_TRACE(signal);
        GameFolderCopy dir;
        // The level's start and checkpoints ask for writes faster than the disk makes them;
        // then the game idles until the signal.
        std::ofstream(dir.path() / "play.txt") << std::ifstream(replay).rdbuf() << "\n100000000\n";
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setenv("LD_PRELOAD", TORVE_SLOWDISK_LIB, 1);
            // A sanitized game would refuse a library loaded ahead of its runtime.
            const char* asan = std::getenv("ASAN_OPTIONS");
            setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":verify_asan_link_order=0").c_str(), 1);
            if (!std::freopen("state.txt", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) _exit(126);
            execl(TORVE_SIM_EXE, TORVE_SIM_EXE, "--level", "Level.txt", "--input", "play.txt", nullptr);
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::duration<double>(after));
        kill(child, signal);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0);

        const nlohmann::json last = nlohmann::json::parse(dir.read("state.txt"));
        EXPECT_EQ(dir.read("save.save"), last["checkpoint"][0].dump() + ' ' + last["checkpoint"][1].dump() + ' ' +
                                             last["level"].get<std::string>() + ' ' + last["highestLevel"].dump());
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
}
