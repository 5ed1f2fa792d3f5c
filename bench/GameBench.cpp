#include "GameBench.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "app/FrameLoop.h"
#include "app/Game.h"
#include "app/ReplayWindow.h"
#include "config/Config.h"
#include "editor/Editor.h"
#include "platform/HeadlessWindow.h"
#include "platform/PictureDecodes.h"
#include "platform/SfmlWindow.h"
#include "platform/TimeSource.h"
#include "platform/WriteQueue.h"
#include "resources/ImageCache.h"
#include "terrain/Eraser.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// As torve-sim starts a level: straight into play, from the level's beginning (no progress
// saved by an earlier measurement).
void startPlaying(Game& game, const std::string& level) {
    WriteQueue::waitForWrites();
    std::filesystem::remove("save.save");
    game.startLevel(level);
}

// Times this thread lost its core to another before it was done.
long preemptions() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

// What a boomerang does to a level between two restarts: a few passes through pencil terrain.
void rubOutSomePencil(ObjectList& list, int round) {
    int done = 0, seen = 0;
    for (const auto& o : list) {
        if (o->kind != 2 || o->width == 0) continue;
        if (seen++ % 4 != round % 4) continue;
        for (int step = 0; step < 8; ++step)
            eraseAt(list, static_cast<int>(o->x) + step * 12, static_cast<int>(o->y) + o->height / 2 - 53, 50, false);
        if (++done == 3) break;
    }
}

// Playing the input of an erase-heavy frame: running right, the boomerang thrown down ahead.
InputState throwingInput(long frame) {
    InputState in;
    in.setHeld(sf::Keyboard::D, true);
    in.setButton(MouseButton::Left, frame % 40 < 20);
    in.mouseX = 800;
    in.mouseY = 650;
    return in;
}

}  // namespace

Timings summarise(std::vector<double> ms) {
    Timings t;
    if (ms.empty()) return t;
    std::sort(ms.begin(), ms.end());
    t.samples = static_cast<int>(ms.size());
    t.median = ms[ms.size() / 2];
    t.p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    t.worst = ms.back();
    return t;
}

FrameTimings measureFrames(const BenchLevel& level) {
    TimeSource::useSimulated(true);
    HeadlessWindow window;
    Game game;
    startPlaying(game, level.name);
    std::vector<double> own, preempted;
    for (long frame = 0; frame < level.script.totalFrames(); ++frame) {
        window.scriptedInput() = level.script.at(frame);
        const long switches = preemptions();
        const auto start = Clock::now();
        runFrame(window, game);
        const double ms = msSince(start);
        TimeSource::advanceFrame();
        // The frame that reached the goal loads the next level: that is a level change.
        if (game.state() != GameState::Playing || game.world.currentLevelName != level.name) break;
        (preemptions() == switches ? own : preempted).push_back(ms);
    }
    TimeSource::useSimulated(false);
    return {summarise(own), summarise(preempted)};
}

WarmChanges measureWarmChanges(const BenchLevel& level, int restarts) {
    HeadlessWindow window;
    Game game;
    startPlaying(game, level.name);
    std::vector<double> whole, objects;
    for (int i = 0; i < restarts; ++i) {
        rubOutSomePencil(game.world.objects.mainList, i);
        auto start = Clock::now();
        game.world.changeLevel(level.name);
        whole.push_back(msSince(start));
        // The same again without the save file: only the objects.
        rubOutSomePencil(game.world.objects.mainList, i);
        start = Clock::now();
        game.world.objects.load(level.name);
        objects.push_back(msSince(start));
    }
    return {summarise(whole), summarise(objects)};
}

int childReplays(const BenchLevel& level, int times) {
    TimeSource::useSimulated(true);
    HeadlessWindow window;
    Game game;
    long frames = 0;
    double ms = 0;
    for (int i = 0; i < times; ++i) {
        startPlaying(game, level.name);
        for (long frame = 0; frame < level.script.totalFrames(); ++frame, ++frames) {
            window.scriptedInput() = level.script.at(frame);
            const auto start = Clock::now();
            runFrame(window, game);
            ms += msSince(start);
            TimeSource::advanceFrame();
            if (game.state() != GameState::Playing || game.world.currentLevelName != level.name) break;
        }
    }
    std::printf("%ld frames, %.4f ms a frame\n", frames, ms / static_cast<double>(frames));
    std::fflush(stdout);
    _exit(0);
}

int childStartup() {
    const Config config;
    const auto width = static_cast<unsigned>(config.integer("Resolution", "x", 1024));
    const auto height = static_cast<unsigned>(config.integer("Resolution", "y", 768));
    const bool display = std::getenv("DISPLAY") != nullptr;
    std::unique_ptr<GameWindow> window;
    if (display) window = std::make_unique<SfmlWindow>(width, height, false);
    else window = std::make_unique<HeadlessWindow>();
    std::optional<PictureDecodes> decodes;
    if (display) decodes.emplace(Game::largestPictures());
    Game game(static_cast<unsigned>(std::time(nullptr)));
    runFrame(*window, game);
    std::printf("ready %s\n", display ? "window" : "headless");
    std::fflush(stdout);
    // Tearing the game down is not part of starting it.
    _exit(0);
}

int childColdChange(const std::string& level) {
    HeadlessWindow window;
    Game game;
    const auto start = Clock::now();
    startPlaying(game, level);
    std::printf("%.3f\n", msSince(start));
    std::fflush(stdout);
    _exit(0);
}

int childRestarts(const BenchLevel& level, int restarts) {
    TimeSource::useSimulated(true);
    HeadlessWindow window;
    Game game;
    startPlaying(game, level.name);
    long after1 = 0, after10 = 0, last = 0, peak = 0;
    long frame = 0;
    for (int i = 1; i <= restarts; ++i) {
        for (int f = 0; f < 60; ++f, ++frame) {
            window.scriptedInput() = throwingInput(frame);
            runFrame(window, game);
            TimeSource::advanceFrame();
        }
        rubOutSomePencil(game.world.objects.mainList, i);
        window.scriptedInput() = InputState{};
        window.scriptedInput().setHeld(sf::Keyboard::R, true);
        runFrame(window, game);
        TimeSource::advanceFrame();
        last = residentKb();
        peak = std::max(peak, last);
        if (i == 1) after1 = last;
        if (i == 10) after10 = last;
    }
    std::printf("%ld %ld %ld %ld\n", after1, after10, last, peak);
    std::fflush(stdout);
    _exit(0);
}

int childUpload() {
    if (!std::getenv("DISPLAY")) return 3;
    SfmlWindow window(1024, 768, false);
    // All of the picture in view: a tile gets its texture only once it shows.
    window.setView(sf::View(sf::FloatRect(0, 0, 2048, 2048)));
    // A 2048 x 2048 pencil picture made of the game's own ground.
    const Image& ground = ImageCache::forLevel("Content/Level/pencil_ground_800.png");
    ObjectList list;
    auto object = std::make_unique<LevelObject>();
    object->kind = 2;
    object->image.create(2048, 2048);
    for (unsigned y = 0; y < 2048; ++y)
        for (unsigned x = 0; x < 2048; ++x)
            object->image.setPixel(x, y, ground.pixel(x % ground.width(), y % ground.height()));
    object->width = object->height = 2048;
    list.push_back(std::move(object));
    Image& picture = list[0]->image;
    const Sprite sprite(&picture);
    // The upload happens inside draw(). It is timed right after a frame was presented, so that
    // no drawing still waiting in the driver is billed to it.
    const auto frame = [&] {
        window.display();
        window.clear();
        window.display();
        const std::uint64_t before = window.uploadedBytes();
        const auto start = Clock::now();
        window.draw(sprite);
        const double ms = msSince(start);
        return std::pair(window.uploadedBytes() - before, ms);
    };
    frame();
    std::vector<double> passMs, wholeMs, idleMs;
    std::uint64_t passBytes = 0, wholeBytes = 0;
    // Passes and unchanged frames in turn, so that both meet the same conditions.
    for (int i = 0; i < 100; ++i) {
        eraseAt(list, 100 + 12 * (i % 60), 300 + 20 * (i / 60) + 3 * (i % 7), 50, false);
        const auto [bytes, ms] = frame();
        passBytes += bytes;
        passMs.push_back(ms);
        idleMs.push_back(frame().second);
    }
    for (int i = 0; i < 10; ++i) {
        // Both corners changed: the whole picture goes up again.
        picture.setPixel(0, 0, picture.pixel(0, 0));
        picture.setPixel(2047, 2047, picture.pixel(2047, 2047));
        const auto [bytes, ms] = frame();
        wholeBytes += bytes;
        wholeMs.push_back(ms);
    }
    std::printf("%llu %.4f %llu %.4f %.4f\n", static_cast<unsigned long long>(passBytes / passMs.size()),
                summarise(passMs).median, static_cast<unsigned long long>(wholeBytes / wholeMs.size()),
                summarise(wholeMs).median, summarise(idleMs).median);
    std::fflush(stdout);
    _exit(0);
}

int childEditor() {
    std::unique_ptr<GameWindow> shown;
    if (std::getenv("DISPLAY")) shown = std::make_unique<SfmlWindow>(1024, 768, false);
    else shown = std::make_unique<HeadlessWindow>();
    // No frame limit, so the display's own cost shows.
    shown->recreate(false, 0);
    std::string error;
    std::optional<EditedLevel> level = EditedLevel::open("bench-edited.txt", error);
    // 500 of the game's own pictures over the 4096 x 3072 pixels a 25 % view shows.
    const std::vector<PaletteEntry> palette = paletteEntries({"Level.txt", "Level2.txt", "Level3.txt", "Level4.txt"});
    for (int i = 0; i < 500; ++i) {
        const PaletteEntry& entry = palette[static_cast<size_t>(i) % palette.size()];
        level->records.push_back(Placed{(i % 25) * 160 - 1536, (i / 25) * 150 - 1800, entry.picture, entry.kind, nullptr});
    }
    Editor editor(std::move(*level), {500, -300}, {});
    // Zoomed out, the ink brush taken, then a stroke zig-zagging over the view.
    InputScript script;
    InputStep step{1, {}};
    step.held.wheel = -10;
    script.steps.push_back(step);
    step.held.wheel = 0;
    step.held.setHeld(sf::Keyboard::I, true);
    script.steps.push_back(step);
    step.held.setHeld(sf::Keyboard::I, false);
    step.held.setButton(MouseButton::Left, true);
    constexpr int kFrames = 600;
    for (int i = 0; i < kFrames; ++i) {
        step.held.mouseX = 100 + (i * 7) % 800;
        step.held.mouseY = 200 + (i / 100) * 60 + (i % 13) * 3;
        script.steps.push_back(step);
    }
    // Then the stroke ends and the view pans right over the pictures.
    step.held.setButton(MouseButton::Left, false);
    step.held.setHeld(sf::Keyboard::Right, true);
    constexpr int kPanFrames = 120;
    for (int i = 0; i < kPanFrames; ++i) script.steps.push_back(step);
    ReplayWindow window(*shown, std::move(script));
    InputState before;
    std::vector<double> ms, withDisplay;
    while (!window.finished()) {
        window.processEvents();
        const auto start = Clock::now();
        editor.update(window, before);
        window.clear();
        editor.draw(window);
        ms.push_back(msSince(start));
        window.display();
        withDisplay.push_back(msSince(start));
        before = window.input();
    }
    // The first frames draw the whole level, once at each zoom.
    const auto painting = [](const std::vector<double>& all) {
        return summarise(std::vector<double>(all.begin() + 2, all.end() - kPanFrames));
    };
    const Timings t = painting(ms);
    const Timings pan = summarise(std::vector<double>(ms.end() - kPanFrames, ms.end()));
    std::printf("%.4f %.4f %.2f %.4f %.4f %.4f\n", t.median, t.worst, editor.zoom(), painting(withDisplay).median, pan.median,
                pan.worst);
    std::fflush(stdout);
    _exit(0);
}
