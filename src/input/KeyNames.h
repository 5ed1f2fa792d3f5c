#pragma once

#include <SFML/Window/Keyboard.hpp>
#include <optional>
#include <string>

// Keyboard keys by the names of the multimedia library's key codes ("A", "Num1", "LControl",
// "Up", "Space"), matched without regard to case, as config.ini and input scripts give them.
std::optional<sf::Keyboard::Key> keyNamed(const std::string& name);
