#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <nlohmann/json.hpp>

#include "input/InputScript.h"
#include "TestSupport.h"

namespace {
struct Replay {
    const char* level;
    const char* script;
    const char* next;  // the level that must be playing at the end; empty: back at the main menu
};

void PrintTo(const Replay& replay, std::ostream* out) { *out << replay.level; }

class LevelReplay : public ::testing::TestWithParam<Replay> {};

nlohmann::json lastState(const std::string& out) {
    const size_t end = out.find_last_not_of('\n');
    const size_t start = out.rfind('\n', end);
    return nlohmann::json::parse(out.substr(start == std::string::npos ? 0 : start + 1, end + 1));
}
}  // namespace

// Each shipped level is played through by its recorded input, in a fresh game folder.
TEST_P(LevelReplay, FinishesTheLevel) {
    const Replay& replay = GetParam();
    const auto script = std::filesystem::path(TORVE_SOURCE_DIR) / "tests" / "replays" / replay.script;
    ASSERT_TRUE(std::filesystem::exists(script)) << script;
    if (std::string(replay.script).find(".pad.") != std::string::npos) {
        // Nothing but the pad: no key, no mouse button, the pointer never moved, the pad never out.
        std::ifstream in(script);
        std::string error;
        const auto steps = parseInputScript(in, error).value().steps;
        for (size_t i = 0; i < steps.size(); ++i) {
            const InputState& held = steps[i].held;
            EXPECT_EQ((std::array{held.keys.any(), held.button(MouseButton::Left), held.button(MouseButton::Right),
                                  held.mouseX != 0 || held.mouseY != 0, held.pad.connected}),
                      (std::array{false, false, false, false, true}))
                << "step " << i + 1;
        }
    }
    GameFolderCopy dir;
    ASSERT_TRUE(std::filesystem::exists(dir.path() / replay.level));
    const CommandResult r = runCommand(std::string("ALSOFT_DRIVERS=null ") + TORVE_SIM_EXE + " --level " +
                                       replay.level + " --input " + script.string() + " 2>/dev/null");
    ASSERT_EQ(r.status, 0);
    const nlohmann::json state = lastState(r.out);
    if (*replay.next) {
        EXPECT_EQ(state["level"], replay.next) << state.dump();
        EXPECT_EQ(state["state"], 3);
    } else {
        EXPECT_EQ(state["state"], 1) << state.dump();
    }
}

// Each level twice: with keyboard and mouse, and with the pad alone.
INSTANTIATE_TEST_SUITE_P(ShippedLevels, LevelReplay,
                         ::testing::Values(Replay{"Level.txt", "Level1.script", "Level2.txt"},
                                           Replay{"Level2.txt", "Level2.script", "Level3.txt"},
                                           Replay{"Level3.txt", "Level3.script", "Level4.txt"},
                                           Replay{"Level4.txt", "Level4.script", "Level5.txt"},
                                           Replay{"Level5.txt", "Level5.script", ""},
                                           Replay{"Level.txt", "Level1.pad.script", "Level2.txt"},
                                           Replay{"Level2.txt", "Level2.pad.script", "Level3.txt"},
                                           Replay{"Level3.txt", "Level3.pad.script", "Level4.txt"},
                                           Replay{"Level4.txt", "Level4.pad.script", "Level5.txt"},
                                           Replay{"Level5.txt", "Level5.pad.script", ""}),
                         [](const auto& info) {
                             const std::string script = info.param.script;
                             return script.substr(0, 6) + (script.find(".pad.") != std::string::npos ? "Pad" : "");
                         });
