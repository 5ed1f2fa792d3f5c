#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "TestSupport.h"
#include "platform/FileWriter.h"

namespace fs = std::filesystem;

namespace {
// Runs `body` as a user without special rights: in a child that gives up root, or right
// here when the tests do not run as root. Returns what `body` returned.
bool asPlainUser(const std::function<bool()>& body) {
    if (geteuid() != 0) return body();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}
}  // namespace

TEST(FileWriter, ALinkedFileIsUpdatedThroughTheLinkWithItsPermissions) {
    TempDir dir;
    dir.write("real/config.ini", "[Sound]\nMusic_Volume=1\n");
    chmod("real/config.ini", 0640);
    fs::create_symlink("real/config.ini", "config.ini");
    ASSERT_TRUE(writeProfileString("Sound", "Music_Volume", "0.5", "config.ini"));
    EXPECT_TRUE(fs::is_symlink("config.ini"));
    EXPECT_EQ(dir.read("real/config.ini"), "[Sound]\nMusic_Volume=0.5\n");
    EXPECT_EQ(modeOf("real/config.ini"), 0640u);
    for (const auto& entry : fs::directory_iterator("real")) EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    // Every byte is a write of its own worth keeping, down to a file of one.
    ASSERT_TRUE(writeFileAtomically("one", "1"));
    EXPECT_EQ(dir.read("one"), "1");
}

TEST(FileWriter, AFileTheUserCannotWriteKeepsItsContent) {
    TempDir dir;
    chmod(dir.path().c_str(), 0777);  // the folder takes new files from anyone
    dir.write("save.save", "1234 567 Level3.txt 3");
    chmod("save.save", 0444);
    EXPECT_FALSE(asPlainUser([] { return writeFileAtomically("save.save", "500 -300 Level.txt 1"); }));
    EXPECT_EQ(dir.read("save.save"), "1234 567 Level3.txt 3");
    EXPECT_EQ(modeOf("save.save"), 0444u);
}

TEST(FileWriter, AFolderThatTakesNoNewFilesHasTheFileRewrittenInPlace) {
    TempDir dir;
    dir.write("save.save", "1234 567 Level3.txt 3");
    dir.write("config.ini", "\xEF\xBB\xBF[Sound]\r\nMusic_Volume=1\r\n");
    chmod("save.save", 0666);
    chmod("config.ini", 0666);
    chmod(dir.path().c_str(), 0555);
    EXPECT_TRUE(asPlainUser([] {
        return writeFileAtomically("save.save", "10 20 Level2.txt 2") &&
               writeProfileString("Sound", "Music_Volume", "0.5", "config.ini");
    }));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("save.save"), "10 20 Level2.txt 2");
    // The byte-order mark is kept and the key found in the first section.
    EXPECT_EQ(dir.read("config.ini"), "\xEF\xBB\xBF[Sound]\r\nMusic_Volume=0.5\r\n");
}
