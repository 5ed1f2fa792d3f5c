#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "targets/FuzzTargets.h"

namespace {
using Target = int (*)(const std::uint8_t*, std::size_t);

// Every committed corpus file goes through its reader again; a crash or an abort fails.
void replay(const std::string& corpus, Target target) {
    const auto dir = std::filesystem::path(TORVE_SOURCE_DIR) / "fuzz" / "corpus" / corpus;
    ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ(target(data.data(), data.size()), 0);
        ++files;
    }
    EXPECT_GT(files, 0);
}
}  // namespace

TEST(FuzzCorpus, ConfigReaderAndProfileWriter) { replay("config", fuzzConfig); }
TEST(FuzzCorpus, InputScriptParser) { replay("inputscript", fuzzInputScript); }
TEST(FuzzCorpus, PictureLoading) { replay("image", fuzzImage); }
TEST(FuzzCorpus, LevelFileLoader) { replay("levelfile", fuzzLevelFile); }
TEST(FuzzCorpus, SaveFileReader) { replay("savefile", fuzzSaveFile); }
TEST(FuzzCorpus, Play) { replay("play", fuzzPlay); }
