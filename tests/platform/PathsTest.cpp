#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

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
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    // A read-only folder loses the write, reported, and the old file stays whole.
    if (geteuid() != 0) {
        chmod(dir.path().c_str(), 0555);
        EXPECT_FALSE(writeFileAtomically("save.save", "broken"));
        chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(dir.read("save.save"), "10 20 Level2.txt 2");
    }
    EXPECT_FALSE(writeFileAtomically("missing-folder/save.save", "x"));
}

namespace {
struct FolderCase {
    const char* name;
    bool dataBeside;     // config.ini beside the program
    bool dataInstalled;  // config.ini in ../share/torve
    const char* expected;
};
}  // namespace

TEST(GameFolders, DataBesideTheProgramElseInTheInstallElseBesideTheProgram) {
    const FolderCase cases[] = {
        {"portable copy", true, false, "bin"},
        {"portable copy inside an install", true, true, "bin"},
        {"install", false, true, "share/torve"},
        {"nothing anywhere", false, false, "bin"},
    };
    for (const FolderCase& c : cases) {
        TempDir dir;
        setenv("XDG_CONFIG_HOME", (dir.path() / "cfg").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir.path() / "dat").c_str(), 1);
        std::filesystem::create_directories(dir.path() / "bin");
        if (c.dataBeside) dir.write("bin/config.ini", "[Sound]\n");
        if (c.dataInstalled) dir.write("share/torve/config.ini", "[Sound]\n");
        const GameFolders found = findGameFolders((dir.path() / "bin").string());
        EXPECT_EQ(found.data, (dir.path() / c.expected).string()) << c.name;
        // Writable data beside the program keeps settings and progress where they always were;
        // an install's go to the user's folders even when this user (root) may write the install.
        const bool install = c.dataInstalled && !c.dataBeside;
        EXPECT_EQ(found.settings, install ? (dir.path() / "cfg/torve/config.ini").string() : "config.ini") << c.name;
        EXPECT_EQ(found.progress, install ? (dir.path() / "dat/torve/save.save").string() : "save.save") << c.name;
        EXPECT_EQ(found.levels, install ? (dir.path() / "dat/torve/levels").string() : "levels") << c.name;
    }
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
}

TEST(GameFolders, RelativeNamesOpenInTheDataFolder) {
    useGameFolders({"/opt/game", "config.ini", "/home/p/.local/share/torve/save.save"});
    EXPECT_EQ(nativePath("Content\\Menu\\b_play.png"), "/opt/game/Content/Menu/b_play.png");
    EXPECT_EQ(nativePath(gameFolders().settings), "/opt/game/config.ini");
    EXPECT_EQ(nativePath(gameFolders().progress), "/home/p/.local/share/torve/save.save");
    useGameFolders({});
    EXPECT_EQ(nativePath("Level.txt"), "Level.txt");
}

namespace {
// findGameFolders as a player without write access to `program` sees it, with `environment`
// set: what it chose, one line each for data, settings and progress.
std::string foldersSeenByPlainUser(const std::filesystem::path& program,
                                   const std::vector<std::pair<const char*, std::string>>& environment) {
    int out[2];
    if (pipe(out) != 0) return "";
    const PlainUser user = plainUser();
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        if (user.ids && (setgid(user.ids->second) != 0 || setuid(user.ids->first) != 0)) _exit(1);
        for (const auto& [name, value] : environment) {
            if (value.empty()) unsetenv(name);
            else setenv(name, value.c_str(), 1);
        }
        const GameFolders f = findGameFolders(program.string());
        const std::string text = f.data + "\n" + f.settings + "\n" + f.progress + "\n";
        _exit(write(out[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    waitpid(child, nullptr, 0);
    return text;
}
}  // namespace

TEST(GameFolders, ReadOnlyDataSendsSettingsAndProgressToTheUsersFolders) {
    const PlainUser user = plainUser();
    if (geteuid() == 0 && !user.ids) GTEST_SKIP() << "running as root without a user 'nobody' to be";
    TempDir dir;
    const std::string shipped = "[Player]\nGravity=0.5\n";
    dir.write("prefix/share/torve/config.ini", shipped);
    std::filesystem::create_directories(dir.path() / "prefix/bin");
    std::filesystem::create_directories(dir.path() / "home");
    dir.write("kept/cfg/torve/config.ini", "[Player]\nGravity=0.25\n");
    user.own(dir.path() / "home");
    user.own(dir.path() / "kept");
    std::filesystem::permissions(dir.path() / "prefix/share/torve", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const std::string home = (dir.path() / "home").string();
    const std::string data = (dir.path() / "prefix/share/torve").string();
    const std::string kept = (dir.path() / "kept").string();
    struct Case {
        const char* name;
        std::string configHome, dataHome, settings, progress;
    } cases[] = {
        {"defaults below HOME", "", "", home + "/.config/torve/config.ini", home + "/.local/share/torve/save.save"},
        {"relative XDG folders are ignored", "cfg", "dat", home + "/.config/torve/config.ini",
         home + "/.local/share/torve/save.save"},
        {"absolute XDG folders", kept + "/cfg", kept + "/dat", kept + "/cfg/torve/config.ini",
         kept + "/dat/torve/save.save"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(foldersSeenByPlainUser(dir.path() / "prefix/bin",
                                         {{"HOME", home}, {"XDG_CONFIG_HOME", c.configHome}, {"XDG_DATA_HOME", c.dataHome}}),
                  data + "\n" + c.settings + "\n" + c.progress + "\n")
            << c.name;
        EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(c.progress).parent_path())) << c.name;
    }
    // The first start copies the shipped settings; a later start keeps the player's own.
    EXPECT_EQ(dir.read("home/.config/torve/config.ini"), shipped);
    EXPECT_EQ(dir.read("kept/cfg/torve/config.ini"), "[Player]\nGravity=0.25\n");
    std::filesystem::permissions(dir.path() / "prefix/share/torve", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}
