#include "BenchLevels.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "world/LevelObjectSet.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStandInLevel = "BenchLevel.txt";
constexpr const char* kStandInScript = "BenchLevel.script";

// A course of 30 stretches of 600 pixels: ink ground to run on, and around it
// slopes, ledges, ceilings, walls, platforms, doors with keys, arrows, checkpoints, decoration
// and foreground, in the proportions of a hand-made level. The ground stays clear, so the
// script runs the whole way and the camera sees every stretch.
std::string standInLevel() {
    std::ostringstream out;
    const auto put = [&out](int x, int y, const char* picture, int kind) {
        out << x << " " << y << " Content/Level/" << picture << ".png " << kind << "\n";
    };
    for (int i = 0; i < 30; ++i) {
        const int x = i * 600;
        if (i % 2 == 0) put(x, -150, "bg_hills", 0);
        put(x + 300, -450, i % 3 ? "bg_cloud_small" : "bg_cloud_large", 0);
        put(x + 100, 270, "bg_bush", 0);
        put(x + 400, 250, "bg_fern", 0);
        put(x, 400, "ink_ground_800", 3);
        put(x + 100, 520, "pencil_ground_400", 2);
        if (i % 2 == 0) put(x + 200, -200, i % 4 ? "ink_slope_up" : "pencil_slope_up", i % 4 ? 3 : 2);
        if (i % 3 == 0) {
            put(x + 50, 120, "ink_ledge", 3);
            put(x, -350, "pencil_ceiling", 2);
        }
        if (i % 4 == 1) put(x + 300, 200, "platform_horizontal", 6);
        if (i % 5 == 2) put(x + 500, -90, "pencil_wall", 2);
        put(x + 350, 250, "pencil_ledge", 2);
        if (i % 6 == 3) {
            put(x + 100, 300, "key", 10);
            put(x + 200, 150, "arrow_right", 13);
            put(x + 450, -150, "door", 11);
        }
        if (i % 7 == 4) put(x + 150, 0, "checkpoint", 18);
        if (i % 8 == 5) put(x + 300, -100, "camera_trigger", 20);
        put(x, 350, "fg_grass", 1);
        if (i % 3 == 1) put(x + 250, 260, "fg_fern", 1);
    }
    put(30 * 600, 100, "goal", 19);
    return out.str();
}

// Runs right with jumps, throwing the boomerang ahead and up into the pencil above now and then.
std::string standInScript() {
    std::ostringstream out;
    out << "60\n";
    for (int i = 0; i < 40; ++i) {
        out << "50 d\n1 d w\n25 d\n";
        out << "20 d lmb mouse=" << (i % 2 ? 900 : 700) << "," << (i % 3 ? 300 : 150) << "\n10 d\n";
    }
    return out.str();
}

void linkGameFolder(const fs::path& from, const fs::path& to) {
    for (const auto& entry : fs::directory_iterator(from)) {
        const std::string name = entry.path().filename().string();
        if (name == "save.save") continue;
        if (name == "config.ini") fs::copy_file(entry.path(), to / name);
        else fs::create_symlink(fs::absolute(entry.path()), to / name);
    }
}

InputScript readScript(const std::string& path) {
    std::ifstream in(path);
    std::string error;
    auto script = parseInputScript(in, error);
    if (!script) {
        std::cerr << "torve-bench: " << path << ": " << error << "\n";
        std::exit(2);
    }
    return *script;
}

}  // namespace

BenchSetup prepareBench(const std::string& gameDir, const std::string& replayDir, const std::string& simExe) {
    BenchSetup setup;
    setup.simExe = fs::absolute(simExe).string();
    // Beside the game folder, on the same disk: saving a level's progress waits for the disk.
    const fs::path parent = fs::absolute(gameDir).parent_path();
    std::string pattern = (parent / "bench-run-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "torve-bench: cannot make a folder in " << parent << "\n";
        std::exit(2);
    }
    setup.folder = pattern;
    linkGameFolder(gameDir, setup.folder);
    fs::current_path(setup.folder);

    for (int n = 1; n <= 5; ++n) {
        const std::string name = n == 1 ? "Level.txt" : "Level" + std::to_string(n) + ".txt";
        const fs::path script = fs::path(replayDir) / ("Level" + std::to_string(n) + ".script");
        if (fs::exists(name) && fs::exists(script))
            setup.levels.push_back({name, fs::absolute(script).string(), readScript(script.string())});
    }
    if (setup.levels.empty()) {
        setup.standIn = true;
        std::ofstream(kStandInLevel) << standInLevel();
        std::ofstream(kStandInScript) << standInScript();
        setup.levels.push_back({kStandInLevel, fs::absolute(kStandInScript).string(), readScript(kStandInScript)});
    }
    return setup;
}

std::vector<QueryBox> boxesOverTerrain(const std::string& level, int w, int h, int count) {
    LevelObjectSet set;
    set.load(level);
    std::vector<const LevelObject*> terrain;
    for (const auto& o : set.mainList)
        if ((o->kind == 2 || o->kind == 3 || (o->kind >= 4 && o->kind <= 7) || o->kind == 11) && o->width > 0)
            terrain.push_back(o.get());
    std::vector<QueryBox> boxes;
    if (terrain.empty()) return boxes;
    std::mt19937 rng(1234);
    const float dirs[][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    for (int i = 0; i < count; ++i) {
        const LevelObject& o = *terrain[rng() % terrain.size()];
        const int x = static_cast<int>(o.x) - w + 1 + static_cast<int>(rng() % static_cast<unsigned>(o.width + w - 1));
        const int y = static_cast<int>(o.y) - h + 1 + static_cast<int>(rng() % static_cast<unsigned>(o.height + h - 1));
        boxes.push_back({x, y, w, h, w / 2, dirs[i % 4][0], dirs[i % 4][1]});
    }
    return boxes;
}
