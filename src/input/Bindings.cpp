#include "input/Bindings.h"

#include <strings.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "input/KeyNames.h"
#include "input/PadControls.h"

namespace {
using sf::Keyboard;

struct ActionInfo {
    const char* name;  // its key in [Controls]
    std::vector<Keyboard::Key> defaults;
};

const ActionInfo& infoOf(Action action) {
    static const ActionInfo infos[] = {
        {"Left", {Keyboard::A, Keyboard::Left}},  {"Right", {Keyboard::D, Keyboard::Right}},
        {"Jump", {Keyboard::W, Keyboard::Up}},    {"Down", {Keyboard::S, Keyboard::Down}},
        {"KeyDoor", {Keyboard::Space}},           {"Restart", {Keyboard::R}},
        {"Menu", {Keyboard::Escape}},             {"Throw", {}},
        {"Recall", {}},
    };
    return infos[static_cast<size_t>(action)];
}

// The action each game key stands for, in the order of the keys.
constexpr Action kActionOfKey[] = {Action::Left,    Action::Right,   Action::Jump, Action::Down,
                                   Action::Restart, Action::KeyDoor, Action::Menu};
static_assert(std::size(kActionOfKey) == static_cast<size_t>(Key::Count));
}  // namespace

Bindings::Bindings() {
    for (size_t a = 0; a < keys_.size(); ++a) keys_[a] = infoOf(static_cast<Action>(a)).defaults;
}

void Bindings::load(const Config& config) {
    const std::vector<std::string> cut = config.cutKeys("Controls");
    for (size_t a = 0; a < keys_.size(); ++a) {
        const ActionInfo& info = infoOf(static_cast<Action>(a));
        const bool tooLong = std::any_of(cut.begin(), cut.end(), [&](const std::string& key) {
            return strcasecmp(key.c_str(), info.name) == 0;
        });
        if (tooLong) {
            std::cerr << "config.ini: [Controls] " << info.name
                      << ": the line is too long to read; the default keys stay\n";
            keys_[a] = info.defaults;
            continue;
        }
        std::istringstream names(config.text("Controls", info.name, ""));
        std::vector<Keyboard::Key> bound;
        for (std::string name; names >> name;) {
            if (const auto key = keyNamed(name)) bound.push_back(*key);
            else std::cerr << "config.ini: [Controls] " << info.name << ": no key is named '" << name << "'\n";
        }
        keys_[a] = bound.empty() ? info.defaults : bound;
    }
}

const std::vector<Keyboard::Key>& Bindings::keysOf(Action action) const { return keys_[static_cast<size_t>(action)]; }

bool Bindings::anyHeld(Action action, const InputState& input) const {
    for (const Keyboard::Key key : keysOf(action))
        if (input.held(key)) return true;
    return false;
}

bool Bindings::keyDown(Key key, const InputState& input, bool padSteers) const {
    const Action action = kActionOfKey[static_cast<size_t>(key)];
    return anyHeld(action, input) || padControls::holds(action, input.pad, padSteers);
}

bool Bindings::buttonDown(MouseButton button, const InputState& input, bool padAims) const {
    const Action action = button == MouseButton::Left ? Action::Throw : Action::Recall;
    return input.button(button) || anyHeld(action, input) || (padAims && padControls::holds(action, input.pad, false));
}

Bindings& inputBindings() {
    static Bindings bindings;
    return bindings;
}
