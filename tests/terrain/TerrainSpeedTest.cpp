// Measurements, not checks: run with --gtest_also_run_disabled_tests --gtest_filter='*TerrainSpeed*'.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "TerrainTestSupport.h"
#include "terrain/Collision.h"
#include "terrain/Eraser.h"

namespace {
// About a hundred hand-drawn strips: 300 x 200 pictures, each with a wavy band of solid ground.
ObjectList strips() {
    ObjectList list;
    for (int i = 0; i < 100; ++i) {
        LevelObject& o = placeFilled(list, i % 3 == 0 ? 3 : 2, static_cast<float>(i * 250),
                                     static_cast<float>(500 + (i % 5) * 30), 300, 200, Color{0, 0, 0, 0});
        for (unsigned j = 0; j < 300; ++j) {
            const unsigned top = 100 + (j * 7 + static_cast<unsigned>(i) * 13) % 40;
            for (unsigned k = top; k < top + 20; ++k) o.image.setPixel(j, k, Color{0, 0, 0, 255});
        }
    }
    return list;
}

template <class F>
double nanosPerCall(int calls, F&& f) {
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < calls; ++n) f(n);
    const auto spent = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::nano>(spent).count() / calls;
}
}  // namespace

TEST(TerrainSpeed, DISABLED_PlayerBoxAndEraserPass) {
    SettingsGuard settings;
    ObjectList list = strips();
    int hits = 0;
    const struct {
        const char* name;
        float dirX, dirY;
    } directions[] = {{"down", 0, 1}, {"up", 0, -1}, {"right", 1, 0}, {"left", -1, 0}};
    // Across the whole level (cold caches), then around one spot as a player's frame does.
    for (const auto& d : directions) {
        const double roaming = nanosPerCall(200000, [&](int n) {
            hits += queryBox((n * 37) % 25000, 520 + (n % 7) * 10, 40, 90, list, d.dirX, d.dirY).hit;
        });
        const double local = nanosPerCall(200000, [&](int n) {
            hits += queryBox(12000 + (n % 9), 520 + (n % 7) * 10, 40, 90, list, d.dirX, d.dirY).hit;
        });
        std::printf("queryBox 40x90 %-5s: %8.0f ns per call roaming, %8.0f in one spot\n", d.name, roaming, local);
    }
    const double open = nanosPerCall(200000, [&](int n) {
        hits += queryBox((n * 37) % 25000, 300, 40, 90, list, 0, 1).hit;
    });
    std::printf("queryBox 40x90 in open air: %8.0f ns per call\n", open);
    const double circle = nanosPerCall(200000, [&](int n) {
        hits += queryCircle((n * 37) % 25000, 600, 30, 30, 15, list, 1, 0).hit;
    });
    std::printf("queryCircle 30x30 r15: %8.0f ns per call\n", circle);
    // Each pass on fresh ground, then passes over ground already rubbed out.
    const double fresh = nanosPerCall(2000, [&](int n) { eraseAt(list, n * 12, 560 + (n % 5) * 30, 50, false); });
    const double again = nanosPerCall(2000, [&](int n) { eraseAt(list, n * 12, 560 + (n % 5) * 30, 50, false); });
    const double arrow = nanosPerCall(2000, [&](int n) { eraseAt(list, n * 12, 600, 20, true); });
    std::printf("eraseAt r50 boomerang, fresh ground: %8.0f ns per call\n", fresh);
    std::printf("eraseAt r50 boomerang, erased ground: %8.0f ns per call\n", again);
    std::printf("eraseAt r20 arrow: %8.0f ns per call\n", arrow);
    EXPECT_GT(hits, 0);
}
