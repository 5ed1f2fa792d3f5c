#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "window/GameSession.h"

// The game installed as a package would install it, made read-only, and played by a user who
// cannot write there and whose home is fresh.
namespace {
// Every file of a tree with its size and time of change: a write anywhere shows.
std::string listing(const std::filesystem::path& root) {
    std::ostringstream out;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        struct stat s {};
        lstat(entry.path().c_str(), &s);
        out << entry.path().lexically_relative(root).string() << ' ' << s.st_size << ' ' << s.st_mtim.tv_sec << '.'
            << s.st_mtim.tv_nsec << '\n';
    }
    return out.str();
}

bool waitForText(const std::filesystem::path& path, const std::string& text, double seconds) {
    const auto start = std::chrono::steady_clock::now();
    while (fileText(path) != text && secondsSince(start) < seconds) waitSeconds(0.05);
    return fileText(path) == text;
}

class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() == 0 && !player.ids) GTEST_SKIP() << "running as root without a user 'nobody' to play as";
        ASSERT_EQ(runCommand("cmake --install " TORVE_BINARY_DIR " --prefix " + prefix.string() + " >" +
                             (scratch.path() / "install.log").string() + " 2>&1")
                      .status,
                  0)
            << scratch.read("install.log");
        ASSERT_EQ(runCommand("chmod -R a-w " + prefix.string()).status, 0);
        std::filesystem::create_directories(home);
        player.own(home);
        before = listing(prefix);
    }
    void TearDown() override {
        if (std::filesystem::exists(prefix)) runCommand("chmod -R u+w " + prefix.string());
        if (std::filesystem::exists(home)) runCommand("chmod -R u+w " + home.string());
    }

    // The installed game started from the file-system root, so nothing can come from the
    // current folder.
    Launch launch() const {
        Launch l;
        l.program = prefix / "bin" / "torve";
        l.workingFolder = "/";
        l.dataFolder = prefix / "share" / "torve";
        l.outputLog = scratch.path() / "output.txt";
        l.environment = {{"HOME", home.string()}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}};
        l.user = player.ids;
        return l;
    }

    TempDir scratch;
    std::filesystem::path prefix = scratch.path() / "prefix";
    std::filesystem::path home = scratch.path() / "home";
    std::filesystem::path settings = home / ".config" / "torve" / "config.ini";
    std::filesystem::path progress = home / ".local" / "share" / "torve" / "save.save";
    PlainUser player = plainUser();
    std::string before;
};
}  // namespace

TEST_F(Installed, PlaysWithSettingsAndProgressInTheHomeAndWritesNothingIntoTheInstall) {
    {
        GameSession session(launch());
        ASSERT_TRUE(session.start()) << session.evidence();
        ASSERT_TRUE(session.skipSplashByClick()) << session.evidence();
        EXPECT_EQ(fileText(settings), fileText(prefix / "share" / "torve" / "config.ini"))
            << "the shipped settings were not copied on the first start";

        // The music knob's left edge stands at 380 + 330 x 0.8 (the shipped volume).
        session.click(buttons::options);
        ASSERT_TRUE(session.waitForMenu("options", screens::options)) << session.evidence();
        session.pointAt(380 + 330 * 0.8f + 35, 243);
        x11::xdotool(session.display(), "mousedown 1");
        waitSeconds(0.1);
        for (const float x : {400.f, 200.f, 0.f}) session.pointAt(x, 243);
        x11::xdotool(session.display(), "mouseup 1");
        session.click(buttons::back);
        ASSERT_TRUE(session.waitForMenu("main-menu-again", screens::mainMenu)) << session.evidence();
        EXPECT_NE(fileText(settings).find("Music_Volume=0\n"), std::string::npos) << fileText(settings);

        session.click(buttons::play);
        ASSERT_TRUE(session.waitForShot("level", [&](const Image& s) { return session.showsLevel(s); }, 5))
            << session.evidence();
        EXPECT_TRUE(waitForText(progress, "500 -300 Level.txt 1", 5)) << fileText(progress);
        x11::requestClose(session.display(), session.window());
        ASSERT_EQ(session.process().waitForExit(10), 0) << session.evidence();
    }
    {
        // Resumed at a checkpoint a few steps before the first level's goal, past the wall
        // that stands before it: running right ends the level and the second one starts.
        std::ifstream level(prefix / "share" / "torve" / "Level.txt");
        int x = 0, y = 0, kind = 0;
        std::string picture;
        while (level >> x >> y >> picture >> kind && kind != 19) {}
        ASSERT_EQ(kind, 19) << "the first level has no goal";
        std::ofstream(progress) << x - 70 << ' ' << y - 113 << " Level.txt 1";
        player.own(progress);
        GameSession session(launch());
        ASSERT_TRUE(session.start()) << session.evidence();
        ASSERT_TRUE(session.skipSplashByClick()) << session.evidence();
        session.click(buttons::play);
        ASSERT_TRUE(session.waitForShot("at-the-checkpoint", [&](const Image& s) { return session.showsLevel(s); }, 5));
        session.keyDown("d");
        EXPECT_TRUE(waitForText(progress, "500 -300 Level2.txt 2", 10)) << fileText(progress);
        session.keyUp("d");
        EXPECT_TRUE(session.waitForShot("second-level", [&](const Image& s) { return session.showsLevel(s); }, 5));
        EXPECT_TRUE(session.process().running()) << session.evidence();
    }
    EXPECT_EQ(listing(prefix), before) << "the game wrote into its install";
}

TEST_F(Installed, ReadOnlyHomePlaysOnWithTheShippedSettings) {
    ASSERT_EQ(runCommand("chmod a-w " + home.string()).status, 0);
    GameSession session(launch());
    Image standing;
    ASSERT_TRUE(session.startPlaying(&standing)) << session.evidence();
    session.hold("d", 1.0);
    Image ran;
    ASSERT_TRUE(session.waitForStillLevel(&ran)) << session.evidence();
    // The shipped settings were read: without them the player could not move.
    EXPECT_GT(screen::horizontalShift(standing, ran, 400), 60) << session.evidence();
    EXPECT_TRUE(session.process().running()) << session.evidence();

    // The pause menu tells, near its foot, that progress could not be saved.
    session.hold("Escape", 0.2);
    ASSERT_TRUE(session.waitForMenu("pause-menu", screens::pauseMenu)) << session.evidence();
    const Image menu = session.shot("notice");
    const int w = static_cast<int>(menu.width()), h = static_cast<int>(menu.height());
    const screen::Region foot{0, h * 615 / 768, w, h * 40 / 768};
    EXPECT_LT(screen::matchingFraction(menu, session.picture(screens::pauseMenu), foot), 0.97)
        << "no notice at the foot of the pause menu";
    EXPECT_TRUE(std::filesystem::is_empty(home));
    EXPECT_EQ(listing(prefix), before) << "the game wrote into its install";
}
