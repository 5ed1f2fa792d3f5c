#include "input/InputScript.h"

#include <charconv>
#include <map>
#include <sstream>

#include "input/KeyNames.h"

long InputScript::totalFrames() const {
    long total = 0;
    for (const auto& s : steps) total += s.frames;
    return total;
}

InputState InputScript::at(long frame) const {
    InputState last;
    for (const auto& s : steps) {
        if (frame < s.frames) return s.held;
        frame -= s.frames;
        last = s.held;
    }
    last.releaseAll();
    return last;
}

namespace {
bool parseLong(const std::string& text, long& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

// "X,Y" within -limit..limit.
bool parsePair(const std::string& text, long limit, long& x, long& y) {
    const size_t comma = text.find(',');
    if (comma == std::string::npos || !parseLong(text.substr(0, comma), x) || !parseLong(text.substr(comma + 1), y))
        return false;
    return -limit <= x && x <= limit && -limit <= y && y <= limit;
}

// "pad" plugs a pad in with nothing held; every other pad word plugs it in too.
bool parsePadWord(const std::string& word, PadState& pad) {
    static const std::map<std::string, PadButton> buttons = {
        {"pad-a", PadButton::South},          {"pad-b", PadButton::East},
        {"pad-x", PadButton::West},           {"pad-y", PadButton::North},
        {"pad-lb", PadButton::LeftShoulder},  {"pad-rb", PadButton::RightShoulder},
        {"pad-back", PadButton::Back},        {"pad-start", PadButton::Start}};
    static const std::map<std::string, std::pair<float PadState::*, float>> pulls = {
        {"pad-lt", {&PadState::leftTrigger, 100.f}}, {"pad-rt", {&PadState::rightTrigger, 100.f}},
        {"pad-up", {&PadState::dpadY, -100.f}},      {"pad-down", {&PadState::dpadY, 100.f}},
        {"pad-left", {&PadState::dpadX, -100.f}},    {"pad-right", {&PadState::dpadX, 100.f}}};
    static const std::map<std::string, std::pair<float PadState::*, float PadState::*>> sticks = {
        {"pad-stick=", {&PadState::leftX, &PadState::leftY}}, {"pad-aim=", {&PadState::rightX, &PadState::rightY}}};

    if (word != "pad" && word.rfind("pad-", 0) != 0) return false;
    if (const auto b = buttons.find(word); b != buttons.end()) pad.setButton(b->second, true);
    else if (const auto p = pulls.find(word); p != pulls.end()) pad.*(p->second.first) = p->second.second;
    else if (word != "pad") {
        const size_t equals = word.find('=');
        const auto stick = equals == std::string::npos ? sticks.end() : sticks.find(word.substr(0, equals + 1));
        long x, y;
        if (stick == sticks.end() || !parsePair(word.substr(equals + 1), 100, x, y)) return false;
        pad.*(stick->second.first) = static_cast<float>(x);
        pad.*(stick->second.second) = static_cast<float>(y);
    }
    pad.connected = true;
    return true;
}

bool parseWord(const std::string& word, InputState& held) {
    if (word == "lmb") {
        held.setButton(MouseButton::Left, true);
        return true;
    }
    if (word == "rmb") {
        held.setButton(MouseButton::Right, true);
        return true;
    }
    if (word.rfind("mouse=", 0) == 0) {
        long mx, my;
        if (!parsePair(word.substr(6), 100000, mx, my)) return false;
        held.mouseX = static_cast<int>(mx);
        held.mouseY = static_cast<int>(my);
        return true;
    }
    if (word.rfind("wheel=", 0) == 0) {
        long notches;
        if (!parseLong(word.substr(6), notches) || notches < -100 || notches > 100) return false;
        held.wheel = static_cast<int>(notches);
        return true;
    }
    if (parsePadWord(word, held.pad)) return true;
    // Any keyboard key by name: a d w s r space escape are the game's own keys.
    if (const auto key = keyNamed(word)) {
        held.setHeld(*key, true);
        return true;
    }
    return false;
}
}  // namespace

std::optional<InputScript> parseInputScript(std::istream& in, std::string& error) {
    InputScript script;
    std::string line;
    int lineNumber = 0;
    int mouseX = 0, mouseY = 0;  // the pointer stays where the last line put it
    while (std::getline(in, line)) {
        ++lineNumber;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.resize(hash);
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        InputStep step;
        if (!parseLong(word, step.frames) || step.frames < 0 || step.frames > 100000000) {
            error = "line " + std::to_string(lineNumber) + ": expected a frame count, found '" + word + "'";
            return std::nullopt;
        }
        step.held.mouseX = mouseX;
        step.held.mouseY = mouseY;
        while (words >> word) {
            if (!parseWord(word, step.held)) {
                error = "line " + std::to_string(lineNumber) + ": unknown input '" + word + "'";
                return std::nullopt;
            }
        }
        mouseX = step.held.mouseX;
        mouseY = step.held.mouseY;
        script.steps.push_back(step);
    }
    return script;
}
