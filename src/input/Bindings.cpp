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

bool Bindings::holds(Action action, const InputState& input, bool steering, bool padAims) const {
    if (anyHeld(action, input)) return true;
    if (action == Action::Throw || action == Action::Recall) {
        const MouseButton button = action == Action::Throw ? MouseButton::Left : MouseButton::Right;
        return input.button(button) || (padAims && padControls::holds(action, input.pad, false));
    }
    return padControls::holds(action, input.pad, steering);
}
