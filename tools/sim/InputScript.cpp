#include "InputScript.h"

#include <charconv>
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
        const std::string pos = word.substr(6);
        const size_t comma = pos.find(',');
        long mx, my;
        if (comma == std::string::npos || !parseLong(pos.substr(0, comma), mx) || !parseLong(pos.substr(comma + 1), my))
            return false;
        if (mx < -100000 || mx > 100000 || my < -100000 || my > 100000) return false;
        held.mouseX = static_cast<int>(mx);
        held.mouseY = static_cast<int>(my);
        return true;
    }
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
