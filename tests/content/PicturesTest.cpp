#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/Image.h"

// The pictures the build writes into the game folder: that every one is there, that strips
// divide into the frames the game cuts them into, and that terrain is solid where it is
// walked on.
namespace {

const std::filesystem::path kGame = TORVE_GAME_DIR;

Image load(const std::string& name) {
    Image img;
    EXPECT_TRUE(img.loadFromFile((kGame / name).string())) << name;
    return img;
}

bool solid(std::uint8_t a) { return a > 100 || (a >= 1 && a <= 9); }

// Number of pixels with any alpha inside a rectangle.
int visibleIn(const Image& img, unsigned x0, unsigned y0, unsigned w, unsigned h) {
    int n = 0;
    for (unsigned y = y0; y < y0 + h; ++y)
        for (unsigned x = x0; x < x0 + w; ++x) n += img.alpha(x, y) > 0;
    return n;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(kGame / folder)) names.push_back(e.path().filename().string());
    return names;
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Size {
    const char* name;
    unsigned w, h;
};

}  // namespace

TEST(Pictures, FixedSizesMatchTheGameGeometry) {
    const Size sizes[] = {
        {"Char.png", 12 * 200, 22 * 100},        {"Char2.png", 16 * 200, 22 * 100},
        {"door_animation.png", 5 * 101, 2 * 140}, {"checkpoint_animation.png", 14 * 140, 400},
        {"key_destroy.png", 6 * 150, 150},       {"Content/Level/door.png", 101, 140},
        {"Content/Level/checkpoint.png", 140, 400}, {"Content/Menu/menu_background.jpg", 1024, 768},
        {"Content/Menu/ingame_background.png", 1024, 768}, {"Content/Menu/options_bg.png", 1024, 768},
        {"Content/Menu/dot.png", 70, 66},        {"scarfball.png", 110, 60},
        {"Content/Level/goal.png", 100, 300},    {"Content/Level/camera_trigger.png", 200, 200},
        // The install files each icon under its size.
        {"Icons/torve-256.png", 256, 256},       {"Icons/torve-128.png", 128, 128},
        {"Icons/torve-64.png", 64, 64},
    };
    for (const Size& s : sizes) {
        const Image img = load(s.name);
        EXPECT_EQ(img.width(), s.w) << s.name;
        EXPECT_EQ(img.height(), s.h) << s.name;
    }
    const Image card = load("MossgroveCardOne.jpg");
    EXPECT_LE(card.width(), 1024u);
    EXPECT_LE(card.height(), 768u);
    const Image full = load("Content/Menu/scroll_full.png"), empty = load("Content/Menu/scroll_empty.png");
    EXPECT_EQ(full.width(), empty.width());
    EXPECT_EQ(full.height(), empty.height());
    // The knob runs 330 px; the bar must reach past the knob's middle at both ends.
    EXPECT_GE(full.width(), 330u + 35u);
    const Image boomerang = load("boomerang.png"), glow = load("boomerang_glow.png");
    EXPECT_LE(boomerang.width(), 32u);
    EXPECT_GT(glow.width(), boomerang.width());
    EXPECT_LE(load("Content/Level/key.png").width(), 35u);  // centred on a 35 px box
}

TEST(Pictures, EveryPictureIsWithinTheTextureLimitAndHasNoHiddenSolidSpecks) {
    int count = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(kGame)) {
        const std::string ext = e.path().extension().string();
        if (ext != ".png" && ext != ".jpg") continue;
        ++count;
        Image img;
        ASSERT_TRUE(img.loadFromFile(e.path().string())) << e.path();
        EXPECT_LE(img.width(), 4096u) << e.path();
        EXPECT_LE(img.height(), 4096u) << e.path();
        if (ext != ".png") continue;
        // Alpha 1..9 is invisible yet solid: a picture must never carry it by accident.
        int specks = 0;
        for (unsigned y = 0; y < img.height(); ++y)
            for (unsigned x = 0; x < img.width(); ++x) specks += img.alpha(x, y) >= 1 && img.alpha(x, y) <= 9;
        EXPECT_EQ(specks, 0) << e.path();
    }
    EXPECT_GT(count, 60);
}

TEST(Pictures, MenuHoverStripsSitCentredOnTheirButtons) {
    struct Use {
        const char* still;
        const char* hover;
        float offsetX, offsetY;
    };
    const Use uses[] = {
        {"b_play", "hover_play", -55, -10},           {"b_options", "hover_options", -20, 0},
        {"b_quit", "hover_play", -70, 0},             {"yes", "hover_small", -30, 0},
        {"no", "hover_small", -35, 0},                {"ingame_return", "hover_ingame_exit", -40, -30},
        {"ingame_options", "hover_options", -30, -10}, {"ingame_resume", "hover_options", -30, -10},
        {"ingame_mainmenu", "hover_mainmenu", -40, -20}, {"ingame_desktop", "hover_desktop", -40, -10},
        {"back", "hover_back", -30, -10},              {"ingame_restart", "hover_restart", -40, -10},
        {"b_levels", "hover_options", -20, -5},        {"level_row", "hover_row", -20, -10},
        {"arrow_up", "hover_small", -30, 0},
    };
    for (const Use& u : uses) {
        const Image still = load(std::string("Content/Menu/") + u.still + ".png");
        const Image hover = load(std::string("Content/Menu/") + u.hover + ".png");
        ASSERT_EQ(hover.width() % 6, 0u) << u.hover;
        const float frameW = hover.width() / 6.0f;
        const float dx = u.offsetX + frameW / 2 - still.width() / 2.0f;
        const float dy = u.offsetY + hover.height() / 2.0f - still.height() / 2.0f;
        EXPECT_LE(std::abs(dx), 6.0f) << u.still << " with " << u.hover;
        EXPECT_LE(std::abs(dy), 6.0f) << u.still << " with " << u.hover;
        // Each frame shows a little more of the loop than the one before.
        int previous = 0;
        for (unsigned k = 0; k < 6; ++k) {
            const int shown = visibleIn(hover, k * static_cast<unsigned>(frameW), 0, static_cast<unsigned>(frameW), hover.height());
            EXPECT_GT(shown, previous) << u.hover << " frame " << k;
            previous = shown;
        }
    }
}

TEST(Pictures, CharacterRowsHoldTheirFramesAndNothingElse) {
    const Image one = load("Char.png"), two = load("Char2.png");
    struct Row {
        int row, frames;
    };
    const Row rows[] = {{1, 21}, {2, 3}, {3, 4}, {4, 9}, {5, 0}, {6, 4}, {7, 4}, {8, 0}, {9, 10}, {10, 28}};
    for (int key = 0; key < 2; ++key)
        for (const Row& r : rows) {
            const int row = r.row + 12 * key;
            const int frames = (key && r.row == 10) ? 27 : r.frames;
            for (int f = 0; f < 28; ++f) {
                const Image& sheet = f < 12 ? one : two;
                const unsigned x = static_cast<unsigned>((f < 12 ? f : f - 12) * 200), y = static_cast<unsigned>((row - 1) * 100);
                const int shown = visibleIn(sheet, x, y, 200, 100);
                if (f < frames) {
                    EXPECT_GT(shown, 400) << "row " << row << " frame " << f;
                } else {
                    EXPECT_EQ(shown, 0) << "row " << row << " frame " << f;
                }
            }
        }
    // Standing frames put the feet on the bottom of the collision box (y 90 of the frame)
    // and the body inside its columns 80..120.
    for (int f = 0; f < 12; ++f) {
        const unsigned x0 = static_cast<unsigned>(f * 200), y0 = 900;
        int lowest = -1;
        for (unsigned y = 0; y < 100; ++y)
            for (unsigned x = 80; x < 120; ++x)
                if (one.alpha(x0 + x, y0 + y) > 100) lowest = static_cast<int>(y);
        EXPECT_GE(lowest, 87) << "standing frame " << f;
        EXPECT_LE(lowest, 92) << "standing frame " << f;
    }
}

TEST(Pictures, TerrainIsSolidAlongEveryWalkableTop) {
    int pieces = 0;
    for (const std::string& name : filesIn("Content/Level")) {
        if (name.rfind("pencil_", 0) != 0 && name.rfind("ink_", 0) != 0) continue;
        ++pieces;
        const Image img = load("Content/Level/" + name);
        const bool rolling = name.find("ground") != std::string::npos || name.find("slope") != std::string::npos;
        int previousTop = -1;
        for (unsigned x = 3; x + 3 < img.width(); ++x) {
            int top = -1;
            for (unsigned y = 0; y < img.height() && top < 0; ++y)
                if (solid(img.alpha(x, y))) top = static_cast<int>(y);
            ASSERT_GE(top, 0) << name << " column " << x << " has nothing to stand on";
            // No hole just under the surface: a boot would sink into it.
            for (unsigned y = static_cast<unsigned>(top); y < static_cast<unsigned>(top) + 6 && y < img.height(); ++y)
                EXPECT_TRUE(solid(img.alpha(x, y))) << name << " hole at " << x << "," << y;
            // Ground and slopes are walked across: no step a runner cannot climb.
            if (rolling && previousTop >= 0) {
                EXPECT_LT(std::abs(top - previousTop), 10) << name << " column " << x;
            }
            previousTop = top;
        }
    }
    EXPECT_GE(pieces, 20);
}

TEST(Pictures, GoalsAndTriggersAreFullyTransparent) {
    for (const char* name : {"Content/Level/goal.png", "Content/Level/camera_trigger.png"}) {
        const Image img = load(name);
        ASSERT_GT(img.width(), 0u) << name;
        EXPECT_EQ(visibleIn(img, 0, 0, img.width(), img.height()), 0) << name;
    }
}

TEST(Pictures, GeneratingAgainGivesTheSameFiles) {
    TempDir dir;
    const std::filesystem::path tool = kGame.parent_path() / "contentgen";
    const std::string command = "\"" + tool.string() + "\" --out \"" + dir.path().string() + "\" > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int compared = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) {
        const std::string ext = e.path().extension().string();
        if (ext != ".png" && ext != ".jpg") continue;
        const auto relative = std::filesystem::relative(e.path(), dir.path());
        EXPECT_EQ(slurp(e.path()), slurp(kGame / relative)) << relative;
        ++compared;
    }
    EXPECT_GT(compared, 60);
}
