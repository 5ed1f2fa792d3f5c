#include <gtest/gtest.h>
#include <unistd.h>

#include "ReliabilitySupport.h"
#include "SoakScript.h"
#include "platform/Image.h"

// The game in a folder where nothing can be written: the options screen and the checkpoint
// try to write and fail, the files stay as they were, and play goes on.
namespace {
const char* const kSave = "500 -300 Level.txt 1";

class UnwritableFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(game);
        std::filesystem::copy_file(std::filesystem::path(TORVE_GAME_DIR) / "config.ini", game / "config.ini");
        config = dir.read("game/config.ini");
        // The player falls from the start (500, -300) through a checkpoint onto the ground.
        Image picture;
        picture.create(1200, 40, Color{0, 0, 0, 255});
        ASSERT_TRUE(picture.saveToFile((game / "ground.png").string()));
        picture.create(100, 150, Color{0, 0, 0, 255});
        ASSERT_TRUE(picture.saveToFile((game / "checkpoint.png").string()));
        dir.write("game/Level.txt", "0 0 ground.png 3\n470 -150 checkpoint.png 18\n");
        dir.write("game/save.save", kSave);
        std::filesystem::current_path(game);
        menu = MenuPoints::ofGameHere();
        std::filesystem::current_path(dir.path());
        if (!menu) GTEST_SKIP() << kMenuPointsNeedOwnProcess;
        // Ten seconds on the checkpoint: it writes once five seconds have passed.
        dir.write("play.script", optionsThenPlayScript(*menu) + "600\n");
        sim = simIn(game) + " --input '" + (dir.path() / "play.script").string() + "' 2>'" +
              (dir.path() / "errors.txt").string() + "'";
    }

    void expectPlayWentOn(const MeasuredRun& run) {
        const std::string errors = dir.read("errors.txt");
        ASSERT_EQ(run.status, 0) << errors.substr(0, 4000);
        EXPECT_EQ(sanitizerReport(errors), "");
        const nlohmann::json state = lastState(run.out);
        EXPECT_EQ(state["state"], 3);
        EXPECT_EQ(state["checkpoint"], nlohmann::json::array({500, -90}));
    }

    void expectUntouched(const std::filesystem::path& folder) {
        EXPECT_EQ(dir.read((folder / "save.save").string()), kSave);
        EXPECT_EQ(dir.read((folder / "config.ini").string()), config);
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }

    // Runs `command` with the game folder read-only: by permissions for a user, by a private
    // read-only mount for root; kNoReadOnlyFolder where neither can be had.
    static constexpr int kNoReadOnlyFolder = -2;
    MeasuredRun runReadOnly(const std::string& command) {
        if (getuid() != 0) {
            // Permissions bind everyone but root.
            using std::filesystem::perms, std::filesystem::perm_options;
            std::filesystem::permissions(game, perms::owner_write, perm_options::remove);
            MeasuredRun run = runMeasured(command);
            std::filesystem::permissions(game, perms::owner_write, perm_options::add);
            return run;
        }
        if (!canMountPrivately()) return MeasuredRun{kNoReadOnlyFolder, "", 0};
        const std::string folder = "'" + game.string() + "'";
        return runMeasured("unshare -m sh -c \"mount --bind " + folder + " " + folder + " && mount -o remount,bind,ro " +
                           folder + " " + folder + " && " + command + "\"");
    }

    TempDir dir;
    std::filesystem::path game = dir.path() / "game";
    std::optional<MenuPoints> menu;
    std::string config;
    std::string sim;
};
}  // namespace

// Without this the other two would pass for a script that never wrote anything.
TEST_F(UnwritableFolder, AWritableFolderTakesTheSettingAndTheCheckpoint) {
    expectPlayWentOn(runMeasured(sim));
    EXPECT_EQ(dir.read("game/save.save"), "500 -90 Level.txt 1");
    EXPECT_NE(dir.read("game/config.ini").find("Music_Volume=0\n"), std::string::npos);
}

TEST_F(UnwritableFolder, AReadOnlyFolderLosesTheWritesSilently) {
    const MeasuredRun run = runReadOnly(sim);
    if (run.status == kNoReadOnlyFolder) GTEST_SKIP() << "root, but no private mounts: a read-only folder cannot be made";
    expectPlayWentOn(run);
    expectUntouched(game);
}

// An installed game: the save is resumed and every level is played, though nothing is written.
TEST_F(UnwritableFolder, AReadOnlyFolderResumesTheSaveAndPlaysOnToTheNextLevel) {
    dir.write("game/Level.txt", "0 0 ground.png 3\n");
    dir.write("game/Level2.txt", "0 0 ground.png 3\n470 -150 checkpoint.png 19\n");
    dir.write("game/Level3.txt", "0 0 ground.png 3\n");
    dir.write("game/save.save", "500 -300 Level2.txt 2");
    const std::string play = "mouse=" + std::to_string(menu->play.x) + "," + std::to_string(menu->play.y);
    dir.write("play.script", "2 escape\n2\n1 lmb " + play + "\n1 " + play + "\n120\n");
    const MeasuredRun run = runReadOnly(sim);
    if (run.status == kNoReadOnlyFolder) GTEST_SKIP() << "root, but no private mounts: a read-only folder cannot be made";
    ASSERT_EQ(run.status, 0) << dir.read("errors.txt").substr(0, 4000);
    const nlohmann::json state = lastState(run.out);
    EXPECT_EQ(state["state"], 3);
    EXPECT_EQ(state["level"], "Level3.txt");
    EXPECT_EQ(state["highestLevel"], 3);
    EXPECT_EQ(dir.read("game/save.save"), "500 -300 Level2.txt 2");
}

TEST_F(UnwritableFolder, AFullDiskLosesTheWritesSilently) {
    if (!canMountPrivately()) GTEST_SKIP() << "no private mounts here for a small full disk";
    // A tmpfs just big enough for the folder, filled up before the game starts.
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(game)) bytes += entry.file_size();
    const std::string folder = "'" + game.string() + "'";
    const std::string out = "'" + (dir.path() / "after").string() + "'";
    std::filesystem::create_directories(dir.path() / "after");
    const std::string staged = "'" + (dir.path() / "staged").string() + "'";
    std::filesystem::copy(game, dir.path() / "staged", std::filesystem::copy_options::recursive);
    const std::string fill = "mount -t tmpfs -o size=" + std::to_string(bytes + (1 << 20)) + " tmpfs " + folder +
                             " && cp -a " + staged + "/. " + folder + "/ && { cat /dev/zero > " + folder +
                             "/filler 2>/dev/null; true; }";
    const std::string keep = "cp " + folder + "/save.save " + folder + "/config.ini " + out + " && ls -A " + folder +
                             " > " + out + "/listing";
    const MeasuredRun run = runMeasured("unshare -m sh -c \"" + fill + " && { " + sim + "; status=\\$?; " + keep +
                                        "; exit \\$status; }\"");
    expectPlayWentOn(run);
    expectUntouched(dir.path() / "after");
    EXPECT_EQ(dir.read("after/listing").find(".tmp"), std::string::npos) << dir.read("after/listing");
}
