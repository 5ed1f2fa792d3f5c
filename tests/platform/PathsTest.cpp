#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "platform/FileWriter.h"
#include "platform/Paths.h"

TEST(Paths, BackslashesBecomeSlashesOnlyWhenOpening) {
    EXPECT_EQ(nativePath("Content\\Menu\\b_play.png"), "Content/Menu/b_play.png");
    EXPECT_EQ(nativePath("Content/Sound/walk1.wav"), "Content/Sound/walk1.wav");
    EXPECT_EQ(nativePath(""), "");
}

TEST(ProfileWriter, ReplacesOneKeyAndKeepsEveryOtherByte) {
    TempDir dir;
    const std::string original =
        "; settings\r\n[Resolution]\r\nx = 800 ; wide\r\nFullscreen=0\r\n\r\n[Sound]\r\nmusic_volume=0.5\r\n";
    dir.write("config.ini", original);
    ASSERT_TRUE(writeProfileString("Resolution", "Fullscreen", "1", "config.ini"));
    EXPECT_EQ(dir.read("config.ini"),
              "; settings\r\n[Resolution]\r\nx = 800 ; wide\r\nFullscreen=1\r\n\r\n[Sound]\r\nmusic_volume=0.5\r\n");
    // Names match without regard to case, as the reader sees them.
    ASSERT_TRUE(writeProfileString("Sound", "Music_Volume", "0", "config.ini"));
    EXPECT_NE(dir.read("config.ini").find("[Sound]\r\nMusic_Volume=0\r\n"), std::string::npos);
}

TEST(ProfileWriter, AddsMissingKeySectionAndFile) {
    TempDir dir;
    ASSERT_TRUE(writeProfileString("Sound", "Sound_Volume", "0.5", "config.ini"));
    EXPECT_EQ(dir.read("config.ini"), "[Sound]\nSound_Volume=0.5\n");
    ASSERT_TRUE(writeProfileString("Sound", "Music_Volume", "1", "config.ini"));
    EXPECT_EQ(dir.read("config.ini"), "[Sound]\nSound_Volume=0.5\nMusic_Volume=1\n");
    dir.write("other.ini", "[A]\nk=v");  // no final line end
    ASSERT_TRUE(writeProfileString("B", "x", "1", "other.ini"));
    EXPECT_EQ(dir.read("other.ini"), "[A]\nk=v\n[B]\nx=1\n");
    ASSERT_TRUE(writeProfileString("A", "m", "2", "other.ini"));
    EXPECT_EQ(dir.read("other.ini"), "[A]\nk=v\nm=2\n[B]\nx=1\n");
}

TEST(ProfileWriter, LongPathsWork) {
    TempDir dir;
    std::string deep = std::string(200, 'd') + "/" + std::string(200, 'e');
    std::filesystem::create_directories(deep);
    const std::string path = (dir.path() / deep / "config.ini").string();
    ASSERT_GT(path.size(), 400u);
    ASSERT_TRUE(writeProfileString("Sound", "Music_Volume", "0", path));
    EXPECT_EQ(dir.read(deep + "/config.ini"), "[Sound]\nMusic_Volume=0\n");
}

TEST(AtomicWrite, FailureLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    dir.write("save.save", "500 -300 Level.txt 1");
    ASSERT_TRUE(writeFileAtomically("save.save", "10 20 Level2.txt 2"));
    EXPECT_EQ(dir.read("save.save"), "10 20 Level2.txt 2");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "save.save.tmp"));
    // A read-only folder loses the write, reported, and the old file stays whole.
    if (geteuid() != 0) {
        chmod(dir.path().c_str(), 0555);
        EXPECT_FALSE(writeFileAtomically("save.save", "broken"));
        chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(dir.read("save.save"), "10 20 Level2.txt 2");
    }
    EXPECT_FALSE(writeFileAtomically("missing-folder/save.save", "x"));
}
