#include "input/KeyNames.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <cctype>

namespace {
// In the order of the key codes, so a name's place is its code.
constexpr const char* kNames[] = {
    "A",        "B",         "C",        "D",        "E",        "F",         "G",         "H",        "I",
    "J",        "K",         "L",        "M",        "N",        "O",         "P",         "Q",        "R",
    "S",        "T",         "U",        "V",        "W",        "X",         "Y",         "Z",        "Num0",
    "Num1",     "Num2",      "Num3",     "Num4",     "Num5",     "Num6",      "Num7",      "Num8",     "Num9",
    "Escape",   "LControl",  "LShift",   "LAlt",     "LSystem",  "RControl",  "RShift",    "RAlt",     "RSystem",
    "Menu",     "LBracket",  "RBracket", "Semicolon", "Comma",   "Period",    "Quote",     "Slash",    "Backslash",
    "Tilde",    "Equal",     "Hyphen",   "Space",    "Enter",    "Backspace", "Tab",       "PageUp",   "PageDown",
    "End",      "Home",      "Insert",   "Delete",   "Add",      "Subtract",  "Multiply",  "Divide",   "Left",
    "Right",    "Up",        "Down",     "Numpad0",  "Numpad1",  "Numpad2",   "Numpad3",   "Numpad4",  "Numpad5",
    "Numpad6",  "Numpad7",   "Numpad8",  "Numpad9",  "F1",       "F2",        "F3",        "F4",       "F5",
    "F6",       "F7",        "F8",       "F9",       "F10",      "F11",       "F12",       "F13",      "F14",
    "F15",      "Pause"};
static_assert(std::size(kNames) == sf::Keyboard::KeyCount, "a name for every key");
static_assert(sf::Keyboard::Num0 == 26 && sf::Keyboard::Escape == 36 && sf::Keyboard::Space == 57 &&
                  sf::Keyboard::Left == 71 && sf::Keyboard::Numpad0 == 75 && sf::Keyboard::F1 == 85 &&
                  sf::Keyboard::Pause == 100,
              "the names follow the key codes");

bool sameLetters(const std::string& a, const char* b) {
    return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}
}  // namespace

std::optional<sf::Keyboard::Key> keyNamed(const std::string& name) {
    for (size_t code = 0; code < std::size(kNames); ++code)
        if (sameLetters(name, kNames[code])) return static_cast<sf::Keyboard::Key>(code);
    return std::nullopt;
}
