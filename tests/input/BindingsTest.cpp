#include <gtest/gtest.h>

#include <array>

#include <map>
#include <sstream>

#include "TestSupport.h"
#include "input/Bindings.h"
#include "input/KeyNames.h"
#include "reliability/ReliabilitySupport.h"

using sf::Keyboard;

TEST(Bindings, ControlsReplaceTheDefaultsAndNamesThatAreNoKeyAreSkipped) {
    TempDir dir;
    std::string tooLong = "Right=";
    while (tooLong.size() < 250) tooLong += "Right ";  // longer than the reader takes: it would cut a name
    dir.write("config.ini", " [Controls]\nLeft=q\nJump=Up Space\nRestart=Nonsense\nDown=Down Gibberish\n" + tooLong +
                                "\nThrow=LControl\nMenu=\n");
    Bindings bindings;
    testing::internal::CaptureStderr();
    bindings.load(Config());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors,
              "config.ini: [Controls] Right: the line is too long to read; the default keys stay\n"
              "config.ini: [Controls] Down: no key is named 'Gibberish'\n"
              "config.ini: [Controls] Restart: no key is named 'Nonsense'\n");
    struct Case {
        Action action;
        std::vector<Keyboard::Key> keys;
    };
    const Case cases[] = {
        {Action::Left, {Keyboard::Q}},          {Action::Right, {Keyboard::D, Keyboard::Right}},
        {Action::Jump, {Keyboard::Up, Keyboard::Space}}, {Action::Down, {Keyboard::Down}},
        {Action::KeyDoor, {Keyboard::Space}},   {Action::Restart, {Keyboard::R}},
        {Action::Menu, {Keyboard::Escape}},     {Action::Throw, {Keyboard::LControl}},
        {Action::Recall, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(bindings.keysOf(c.action), c.keys) << static_cast<int>(c.action);
}

TEST(Bindings, ActionsAnswerThroughTheirKeysAndButtons) {
    TempDir dir;
    dir.write("config.ini", "[Controls]\nLeft=Q\nThrow=LControl\n");
    Bindings bindings;
    bindings.load(Config());
    InputState input;
    input.setHeld(Keyboard::A, true);
    EXPECT_FALSE(bindings.holds(Action::Left, input, false, false));  // A no longer runs left
    input.setHeld(Keyboard::Q, true);
    input.setHeld(Keyboard::Right, true);
    input.setHeld(Keyboard::LControl, true);
    EXPECT_TRUE(bindings.holds(Action::Left, input, false, false));
    EXPECT_TRUE(bindings.holds(Action::Right, input, false, false));  // the default arrow
    EXPECT_TRUE(bindings.holds(Action::Throw, input, false, false));
    EXPECT_FALSE(bindings.holds(Action::Recall, input, false, false));
    input.setButton(MouseButton::Right, true);
    EXPECT_TRUE(bindings.holds(Action::Recall, input, false, false));
}

TEST(KeyNames, NamesFollowTheKeyCodesWithoutRegardToCase) {
    EXPECT_EQ(keyNamed("a"), Keyboard::A);
    EXPECT_EQ(keyNamed("NUM7"), Keyboard::Num7);
    EXPECT_EQ(keyNamed("lcontrol"), Keyboard::LControl);
    EXPECT_EQ(keyNamed("Up"), Keyboard::Up);
    EXPECT_EQ(keyNamed("numpad9"), Keyboard::Numpad9);
    EXPECT_EQ(keyNamed("F15"), Keyboard::F15);
    EXPECT_EQ(keyNamed("Pause"), Keyboard::Pause);
    EXPECT_EQ(keyNamed("Return"), std::nullopt);
    EXPECT_EQ(keyNamed(""), std::nullopt);
}

namespace {
// The first level's replay in a copy of the game folder, with `controls` as [Controls] and
// the script's inputs renamed through `renames`; the level that is playing at its end.
std::string levelAfterFirstReplay(const std::string& controls, const std::map<std::string, std::string>& renames) {
    GameFolderCopy dir;
    std::string config = dir.read("config.ini");
    const size_t start = config.find("[Controls]");
    const size_t end = config.find("\n[", start + 1);
    config.replace(start, end - start, controls);
    dir.write("config.ini", config);
    std::ifstream in(std::filesystem::path(TORVE_SOURCE_DIR) / "tests" / "replays" / "Level1.script");
    std::ostringstream script;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string word; words >> word;) {
            const auto renamed = renames.find(word);
            script << (renamed == renames.end() ? word : renamed->second) << ' ';
        }
        script << '\n';
    }
    dir.write("renamed.script", script.str());
    const CommandResult r =
        runCommand(std::string("ALSOFT_DRIVERS=null ") + TORVE_SIM_EXE + " --level Level.txt --input renamed.script 2>/dev/null");
    const nlohmann::json state = lastState(r.out);
    return state.is_null() ? "" : state["level"].get<std::string>();
}
}  // namespace

TEST(Bindings, TheFirstLevelIsPlayedThroughOnKeysMovedEverywhere) {
    const std::string moved =
        "[Controls]\nLeft=J\nRight=L\nJump=I\nDown=K\nKeyDoor=E\nRestart=F1\nMenu=Tab\nThrow=LControl\nRecall=RControl\n";
    EXPECT_EQ(levelAfterFirstReplay(moved, {{"a", "j"}, {"d", "l"}, {"w", "i"}, {"s", "k"}, {"space", "e"},
                                            {"r", "f1"}, {"escape", "tab"}, {"lmb", "lcontrol"}, {"rmb", "rcontrol"}}),
              "Level2.txt");
    // Nonsense in the section leaves the defaults, and the replay as recorded plays through.
    EXPECT_EQ(levelAfterFirstReplay("[Controls]\nLeft=\x01\xff\nJump==\nThrow=Mouse1 Mouse2\n=\n", {}), "Level2.txt");
}
