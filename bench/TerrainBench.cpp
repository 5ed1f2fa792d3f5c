// The pixel queries and the eraser over a level's objects, next to the plain pixel-by-pixel
// rules they must agree with.
#include "TerrainBench.h"

#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/terrain/PlainTerrain.h"
#include "BenchLevels.h"
#include "resources/ImageCache.h"
#include "terrain/Eraser.h"
#include "world/LevelObjectSet.h"

namespace {

constexpr int kBoxes = 1024;

struct Size {
    const char* name;
    int w, h;
};
constexpr Size kSizes[] = {{"player", 40, 90}, {"boomerang", 24, 24}, {"platform", 200, 32}};

void registerQueries(const std::shared_ptr<LevelObjectSet>& level, const std::string& levelName) {
    for (const Size& size : kSizes) {
        auto boxes = std::make_shared<std::vector<QueryBox>>(boxesOverTerrain(levelName, size.w, size.h, kBoxes));
        for (const bool circle : {false, true}) {
            for (const bool oracle : {false, true}) {
                const std::string name = std::string("query/") + (circle ? "circle/" : "box/") + size.name + "/" +
                                         (oracle ? "plain" : "engine");
                benchmark::RegisterBenchmark(name.c_str(), [level, boxes, circle, oracle](benchmark::State& state) {
                    const ObjectList& list = level->mainList;
                    size_t i = 0;
                    for (auto _ : state) {
                        const QueryBox& b = (*boxes)[i++ % boxes->size()];
                        if (oracle)
                            benchmark::DoNotOptimize(
                                plain::query(b.x, b.y, b.w, b.h, b.radius, circle, list, b.dirX, b.dirY));
                        else if (circle)
                            benchmark::DoNotOptimize(queryCircle(b.x, b.y, b.w, b.h, b.radius, list, b.dirX, b.dirY));
                        else
                            benchmark::DoNotOptimize(queryBox(b.x, b.y, b.w, b.h, list, b.dirX, b.dirY));
                    }
                });
            }
        }
    }
}

// Eraser centres along the middle of every object the pass works on, a step apart, as a
// boomerang (12 pixels a frame) or an arrow (4) moves through terrain.
std::vector<std::pair<int, int>> eraserPath(const LevelObjectSet& level, bool arrowMode, int radius) {
    std::vector<std::pair<int, int>> corners;
    const int step = arrowMode ? 4 : 12;
    const int half = radius + 3;  // the configured ring
    for (const auto& o : level.mainList) {
        if (!(o->kind == 2 || (arrowMode && o->kind == 3))) continue;
        const int y = static_cast<int>(o->y) + o->height / 2;
        for (int x = static_cast<int>(o->x); x < static_cast<int>(o->x) + o->width; x += step)
            corners.push_back({x - half, y - half});
    }
    return corners;
}

void registerEraser(const std::string& levelName, bool arrowMode, int radius) {
    for (const bool oracle : {false, true}) {
        const std::string name = std::string("erase/") + (arrowMode ? "arrow" : "boomerang") + "/" +
                                 (oracle ? "plain" : "engine");
        benchmark::RegisterBenchmark(name.c_str(), [levelName, arrowMode, radius, oracle](benchmark::State& state) {
            LevelObjectSet level;
            level.load(levelName);
            const auto path = eraserPath(level, arrowMode, radius);
            size_t i = 0;
            for (auto _ : state) {
                if (i == path.size()) {
                    // Put the rubbed-out terrain back, as a restart does, outside the clock.
                    state.PauseTiming();
                    level.load(levelName);
                    for (const auto& o : level.mainList) o->solidity.sync(o->image);
                    i = 0;
                    state.ResumeTiming();
                }
                const auto [x, y] = path[i++];
                if (oracle)
                    benchmark::DoNotOptimize(plain::erase(level.mainList, x, y, radius, arrowMode));
                else
                    benchmark::DoNotOptimize(eraseAt(level.mainList, x, y, radius, arrowMode));
            }
        });
    }
}

}  // namespace

void registerTerrainBenchmarks(const std::string& levelName) {
    auto level = std::make_shared<LevelObjectSet>();
    level->load(levelName);
    for (const auto& o : level->mainList) o->solidity.sync(o->image);
    registerQueries(level, levelName);
    // Nothing in reach: the cost of walking the list alone.
    benchmark::RegisterBenchmark("query/box/nothing/engine", [level](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(queryBox(-1000000, -1000000, 40, 90, level->mainList, 0, 1));
        state.counters["objects"] = static_cast<double>(level->mainList.size());
    });
    registerEraser(levelName, false, 50);
    registerEraser(levelName, true, 20);
    benchmark::RegisterBenchmark("mask/build/1600x160", [](benchmark::State& state) {
        const Image& picture = *ImageCache::get("Content/Level/pencil_ground_1600.png");
        for (auto _ : state) {
            SolidityMask mask;
            mask.sync(picture);
            benchmark::DoNotOptimize(mask);
        }
    });
}
