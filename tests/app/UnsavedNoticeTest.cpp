#include <gtest/gtest.h>

#include "GameHarness.h"
#include "platform/Paths.h"

namespace {
// The game of a harness rebuilt over a folder that holds the letter sheet, with its options
// going to a folder that does not exist.
struct UnsavedGame : ::testing::Test {
    UnsavedGame() {
        std::filesystem::create_directories(h.dir.path() / "Content" / "Menu");
        std::filesystem::copy_file(std::filesystem::path(TORVE_GAME_DIR) / "Content" / "Menu" / "letters.png",
                                   h.dir.path() / "Content" / "Menu" / "letters.png");
        h.game = std::make_unique<Game>();
        h.game->optionsPath = unwritable;
        h.skipSplash();
    }
    ~UnsavedGame() override { useGameFolders({}); }
    bool noticeDrawn() const {
        const auto& sprites = h.game->unsavedNotice.sprites();
        return !sprites.empty() && h.drew(*sprites.front().image);
    }

    GameHarness h;
    std::string unwritable = (h.dir.path() / "missing" / "config.ini").string();
};
}  // namespace

TEST_F(UnsavedGame, SettingsThatCannotBeWrittenAreToldOnceInTheMenusUntilPlayGoesOn) {
    UnsavedNotice& notice = h.game->unsavedNotice;
    h.click(h.menu().options);
    h.click(h.options().fullscreenNo);
    h.click(h.options().fullscreenYes);
    ASSERT_EQ(notice.lines(), std::vector<std::string>{"Settings could not be saved to " + unwritable});
    // One sprite per letter, blanks aside.
    const std::string& line = notice.lines().front();
    EXPECT_EQ(notice.sprites().size(), line.size() - static_cast<size_t>(std::count(line.begin(), line.end(), ' ')));
    EXPECT_TRUE(noticeDrawn());

    h.click(h.options().back);
    ASSERT_EQ(h.state(), GameState::MainMenu);
    EXPECT_TRUE(noticeDrawn());

    h.click(h.menu().play);
    ASSERT_EQ(h.state(), GameState::Playing);
    EXPECT_TRUE(notice.lines().empty());
    h.pause();
    h.frame();
    ASSERT_EQ(h.state(), GameState::PauseMenu);
    EXPECT_FALSE(noticeDrawn());
    // Told once: a later failure of the settings is not told again.
    h.click(h.pauseMenu().options);
    h.click(h.options().fullscreenNo);
    EXPECT_TRUE(notice.lines().empty());
}

TEST_F(UnsavedGame, ProgressThatCannotBeWrittenIsToldInThePauseMenuNeverDuringPlay) {
    const std::string save = (h.dir.path() / "missing" / "save.save").string();
    useGameFolders({"", "config.ini", save});
    h.click(h.menu().play);
    h.frames(3);
    ASSERT_EQ(h.state(), GameState::Playing);
    EXPECT_EQ(h.game->unsavedNotice.lines(), std::vector<std::string>{"Progress could not be saved to " + save});
    EXPECT_FALSE(noticeDrawn());
    h.pause();
    h.frame();
    ASSERT_EQ(h.state(), GameState::PauseMenu);
    EXPECT_TRUE(noticeDrawn());
}

TEST_F(UnsavedGame, ALongPathIsWrittenSmallerToFitTheScreen) {
    const std::string path = "/home/" + std::string(300, 'w') + "/.local/share/torve/save.save";
    h.game->unsavedNotice.report(UnsavedNotice::Progress, path);
    h.frame();
    ASSERT_TRUE(noticeDrawn());
    for (const Sprite& s : h.game->unsavedNotice.sprites()) {
        EXPECT_GE(s.x, 0);
        EXPECT_LE(s.x + static_cast<float>(s.rect.width) * s.scaleX, 1024);
        EXPECT_LE(s.y + static_cast<float>(s.rect.height) * s.scaleY, 768);
    }
}
