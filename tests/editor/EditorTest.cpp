#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <numeric>
#include <sstream>
#include <nlohmann/json.hpp>

#include "TestSupport.h"
#include "app/ReplayWindow.h"
#include "editor/EditHistory.h"
#include "editor/Editor.h"
#include "editor/Stroke.h"
#include "platform/HeadlessWindow.h"
#include "platform/SfmlWindow.h"
#include "levelcheck/LevelCheckTestSupport.h"

namespace {
nlohmann::json lastState(const std::string& out) {
    const size_t end = out.find_last_not_of('\n');
    const size_t start = out.rfind('\n', end);
    return nlohmann::json::parse(out.substr(start == std::string::npos ? 0 : start + 1, end + 1));
}

CommandResult sim(const std::string& args, const std::string& script) {
    std::ofstream("run.script") << script;
    return runCommand(std::string(TORVE_SIM_EXE) + " " + args + " --input run.script 2>&1");
}
}  // namespace

// The view opens where the game's camera stands at the start point (500, -300): window pixel
// (x, y) is level pixel (x, y - 684). An ink floor is drawn, a pencil wall drawn and taken back
// (undo, redo, undo), the goal placed, the palette's first decoration placed (and taken back
// and put again), the level saved
// and tried out; it passes the checker,
// saves again unchanged when reopened, and plays to its goal without touching the progress.
TEST(Editor, ALevelDrawnAndSavedPlaysToItsGoal) {
    GameFolderCopy dir;
    const std::string progress = dir.read("save.save");
    const CommandResult made = sim("--edit MyLevel.txt",
                                   "1 I mouse=100,500\n1 lmb\n20 lmb mouse=1000,500\n1\n"
                                   "1 P mouse=650,480\n1 lmb\n10 lmb mouse=650,300\n1\n"
                                   "1 LControl Z\n1\n1 LControl LShift Z\n1\n1 LControl Z\n1\n"
                                   "1 mouse=800,420\n1 G\n1 O\n1 mouse=960,244\n1 lmb\n1\n1 mouse=300,400\n1 lmb\n1\n"
                                   "1 LControl Z\n1\n1 LControl Y\n1\n1 LControl S\n1\n"
                                   "1 F5\n60\n1 Escape\n1\n1 F5\n60\n200 D\n");
    ASSERT_EQ(made.status, 0) << made.out;
    // Tried out twice: left with Escape, then played to the goal; back in the editor both times.
    const nlohmann::json edited = lastState(made.out);
    EXPECT_EQ(edited["state"], 7);
    EXPECT_GT(edited["player"]["x"], 600) << "the try ran to the goal";
    EXPECT_EQ(edited["editor"]["saved"], true) << made.out;
    EXPECT_EQ(edited["editor"]["findings"], 0) << made.out;
    EXPECT_EQ(edited["editor"]["selected"], -1) << "the decoration placed, taken back and put again is not selected";
    const std::string level = dir.read("MyLevel.txt");
    EXPECT_EQ(level, "0 -512 MyLevel-ink-1.png 3\n512 -512 MyLevel-ink-2.png 3\n800 -264 Content/Level/goal.png 19\n"
                     "304 -280 Content/Level/bg_bush.png 0\n");
    EXPECT_FALSE(std::filesystem::exists("MyLevel-pencil-1.png"));

    const ToolRun check = runTool({"MyLevel.txt"});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_TRUE(check.diagnostics().empty()) << check.out;

    ASSERT_EQ(sim("--edit MyLevel.txt", "1 LControl S\n1\n").status, 0);
    EXPECT_EQ(dir.read("MyLevel.txt"), level);
    EXPECT_TRUE(std::filesystem::exists("MyLevel-ink-2.png"));

    const CommandResult played = sim("--level MyLevel.txt", "60\n200 D\n");
    EXPECT_EQ(lastState(played.out)["state"], 1) << played.out;
    EXPECT_EQ(dir.read("save.save"), progress);
}

// More than a hundred strokes are taken back one by one, and come back again.
TEST(Editor, UndoWalksBackEveryStrokeAndRedoForward) {
    TempDir dir;
    std::string error;
    std::optional<EditedLevel> level = EditedLevel::open("Drawn.txt", error);
    ASSERT_TRUE(level);
    EditHistory history;
    constexpr int kStrokes = 120;
    for (int i = 0; i < kStrokes; ++i) {
        Stroke stroke(*level, i % 3 == 0 ? Brush::Ink : Brush::Pencil);
        stroke.paint({static_cast<float>(40 * i), 100}, {static_cast<float>(40 * i + 20), 130});
        history.record(stroke.finish());
    }
    const std::string drawn = level->text();

    // The first stroke's ink piece is the second record: its first dab reached the square to the left.
    const Color inked = level->pictureOf(level->records[1]).pixel(10, 110);
    for (int i = 0; i < kStrokes; ++i) ASSERT_TRUE(history.undo(*level)) << i;
    EXPECT_FALSE(history.undo(*level));
    EXPECT_TRUE(level->records.empty());
    for (int i = 0; i < kStrokes; ++i) ASSERT_TRUE(history.redo(*level)) << i;
    EXPECT_EQ(level->text(), drawn);
    EXPECT_EQ(level->pictureOf(level->records[1]).pixel(10, 110), inked);
    EXPECT_EQ(inked.a, 255);
}

// From the main menu: Levels, New level; a floor and the goal drawn and saved, Escape back to
// the list, where the new level is picked and played to its goal.
TEST(Editor, ANewLevelMadeFromTheLevelSelectIsListedAndPlays) {
    GameFolderCopy dir;
    const CommandResult run = sim("", "1 escape\n1\n1 down\n1\n1 down\n1\n1 down\n1\n1 enter\n1\n"
                                      "1 down\n1\n1 down\n1\n1 enter\n1\n"
                                      "1 I mouse=100,500\n1 lmb\n20 lmb mouse=1000,500\n1\n1 mouse=800,420\n1 G\n"
                                      "1 escape\n1\n1 LControl S\n1\n1 escape\n1\n"
                                      "1 down\n1\n1 down\n1\n1 enter\n200 D\n");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(lastState(run.out)["state"], 8) << run.out;
    EXPECT_EQ(dir.read("levels/MyLevel1/MyLevel1.txt"),
              "0 -512 MyLevel1-ink-1.png 3\n512 -512 MyLevel1-ink-2.png 3\n800 -264 Content/Level/goal.png 19\n");
    EXPECT_NE(dir.read("stats.txt").find("own MyLevel1/MyLevel1.txt"), std::string::npos) << dir.read("stats.txt");
}

// Changes never saved are not lost when the game ends: they are kept beside the level, and the
// level opened again says where. Its view follows a right-button drag and zooms about the pointer.
TEST(Editor, ChangesLeftUnsavedAreKeptBesideTheLevel) {
    GameFolderCopy dir;
    dir.write("Draft.txt", "");
    ASSERT_EQ(sim("--edit Draft.txt", "1 I mouse=100,500\n1 lmb\n5 lmb mouse=300,500\n1\n").status, 0);
    EXPECT_EQ(dir.read("Draft.txt"), "");
    EXPECT_EQ(dir.read("Draft-unsaved.txt"), "0 -512 Draft-unsaved-ink-1.png 3\n");
    // Reopened, and the view dragged with the right button, then zoomed out a notch about the pointer.
    const nlohmann::json reopened =
        lastState(sim("--edit Draft.txt", "1 mouse=500,400\n1 rmb\n1 rmb mouse=400,300\n1 mouse=300,200\n1 wheel=-1\n1\n")
                      .out)["editor"];
    EXPECT_NE(reopened["message"].get<std::string>().find("Draft-unsaved.txt"), std::string::npos);
    EXPECT_EQ(reopened["findings"], 1) << "the checker finds no goal";
    EXPECT_FLOAT_EQ(reopened["zoom"].get<float>(), 0.8f);
    EXPECT_NEAR(reopened["centre"][0].get<float>(), 665, 0.01);
    EXPECT_NEAR(reopened["centre"][1].get<float>(), -154, 0.01);
}

// A folder the player may not write to: the save says what it could not write, leaves the
// folder as it was, and the level stays open with its changes.
TEST(Editor, ASaveRefusedByTheFolderSaysSoAndLosesNothing) {
    const PlainUser user = plainUser();
    if (geteuid() == 0 && !user.ids) GTEST_SKIP() << "running as root without a user 'nobody' to be";
    TempDir dir;
    dir.write("Locked.txt", "0 0 Content/Level/goal.png 19\n");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::others_write | std::filesystem::perms::group_write,
                                 std::filesystem::perm_options::remove);
    const pid_t child = fork();
    if (child == 0) {
        if (user.ids && (setgid(user.ids->second) != 0 || setuid(user.ids->first) != 0)) _exit(10);
        std::string error;
        std::optional<EditedLevel> level = EditedLevel::open((dir.path() / "Locked.txt").string(), error);
        if (!level) _exit(11);
        Stroke stroke(*level, Brush::Ink);
        stroke.paint({10, 10}, {60, 10});
        const bool saved = level->save(error);
        _exit(!saved && error.find("could not write") == 0 && level->records.size() == 2 ? 0 : 12);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("Locked.txt"), "0 0 Content/Level/goal.png 19\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// The palette shows each thing shrunk to fit its cell, each pixel the mean of those it covers,
// weighted by how much each shows.
TEST(Editor, ThePaletteShowsEachThingShrunkToItsCell) {
    TempDir dir;
    Image picture;
    picture.create(448, 100);
    for (unsigned y = 0; y < 100; ++y)
        for (unsigned x = 0; x < 226; ++x) picture.setPixel(x, y, x < 224 ? Color{200, 40, 0, 255} : Color{0, 0, 200, 255});
    ASSERT_TRUE(picture.saveToFile("thing.png"));
    std::string error;
    Editor editor(*EditedLevel::open("Thing.txt", error), {0, 0}, {PaletteEntry{"thing.png", 0}});
    HeadlessWindow window;
    window.recordDraws = true;
    const InputState before = window.input();
    window.scriptedInput().setHeld(sf::Keyboard::O, true);
    editor.update(window, before);
    editor.draw(window);
    const auto thumb = std::find_if(window.drawn.begin(), window.drawn.end(), [](const Sprite& s) { return s.image->height() == 25; });
    ASSERT_NE(thumb, window.drawn.end()) << "a quarter of the picture's size fits the cell";
    EXPECT_EQ(thumb->image->pixel(10, 10), (Color{200, 40, 0, 255}));
    EXPECT_EQ(thumb->image->pixel(56, 10), (Color{0, 0, 200, 127})) << "two of its four columns blue, two clear";
    EXPECT_EQ(thumb->image->pixel(80, 10).a, 0);
}

// In a window the level is kept as a picture and drawn again only where a stroke or a move
// reaches or a pan brings into view. After each brush has crossed the game's pictures at an
// odd zoom and the view has moved, the window shows to the pixel what drawing it all anew
// (after an undo and a redo) shows; so does the last frame of a drag, against its release.
TEST(EditorWindow, ALevelDrawnAgainWhereItChangesMatchesItDrawnWhole) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
    GameFolderCopy dir;
    dir.write("Kept.txt", "0 -700 Content/Level/meadow_backdrop.png 0\n200 -500 Content/Level/bg_tree.png 0\n"
                          "600 -400 Content/Level/goal.png 19\n100 -200 Content/Level/fg_grass.png 1\n"
                          "700 -300 Content/Level/bg_bush.png 0\n");
    std::string error;
    std::optional<EditedLevel> level = EditedLevel::open("Kept.txt", error);
    ASSERT_TRUE(level) << error;
    Editor editor(std::move(*level), {500, -300}, {});
    // Frame numbers are the script's line numbers.
    std::string text = "1 mouse=512,384 wheel=-3\n";
    const auto line = [&text](const std::string& words) {
        text += "1 " + words + "\n";
        return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
    };
    for (const std::string brush : {"P", "E", "I"}) {
        line(brush + "\n1");
        for (int i = 0; i < 40; ++i)
            line("lmb mouse=" + std::to_string(120 + i * 19) + "," + std::to_string(250 + (i % 7) * 23 + brush[0] % 8 * 7));
        line("");
    }
    const long painted = line("Right Up\n1 Right\n1 Down\n1");
    const long redone = line("LControl Z\n1 LControl\n1 LControl Y\n1");
    // The backdrop, the first record, grabbed where nothing lies over it and dragged.
    line("V\n1 mouse=950,384");
    long dragged = 0;
    for (int i = 1; i <= 5; ++i) dragged = line("lmb mouse=" + std::to_string(950 + 9 * i) + "," + std::to_string(384 + 5 * i));
    const long released = line("");
    std::istringstream in(text);
    std::optional<InputScript> script = parseInputScript(in, error);
    ASSERT_TRUE(script) << error;

    struct CountingWindow : SfmlWindow {
        CountingWindow() : SfmlWindow(1024, 768, false) {}
        void beginKept(const IntRect& area) override {
            wholeDrawings += area.empty();
            SfmlWindow::beginKept(area);
        }
        int wholeDrawings = 0;
    } shown;
    ReplayWindow window(shown, std::move(*script));
    InputState before;
    std::map<long, sf::Image> shots;
    for (long frame = 1; !window.finished(); ++frame) {
        window.processEvents();
        editor.update(window, before);
        window.clear();
        editor.draw(window);
        sf::Texture shot;
        shot.create(shown.width(), shown.height());
        shot.update(shown.renderWindow());
        if (frame == painted || frame == redone || frame == dragged || frame == released) shots[frame] = shot.copyToImage();
        window.display();
        before = window.input();
    }
    ASSERT_GT(editor.level().records.size(), 5u) << "pencil and ink pieces beside the five pictures";
    EXPECT_EQ(editor.level().records[0].x, 72) << "the backdrop dragged 36 window pixels at 51 %, snapped";
    EXPECT_EQ(shown.wholeDrawings, 4) << "the first frame, the undo, the redo and the drag's release";
    const auto differ = [&shots](long a, long b) {  // bytes
        const sf::Uint8 *p = shots[a].getPixelsPtr(), *q = shots[b].getPixelsPtr();
        return std::inner_product(p, p + 1024 * 768 * 4, q, 0, std::plus<>(), std::not_equal_to<>());
    };
    EXPECT_EQ(differ(painted, redone), 0);
    EXPECT_EQ(differ(dragged, released), 0);
}
