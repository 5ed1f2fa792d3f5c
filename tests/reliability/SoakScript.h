#pragma once

#include <string>

#include "MenuPoints.h"

// Input scripts for torve-sim --level, drawn from a seeded generator: the same seed gives the
// same script.

// `frames` frames of random play: runs, jumps, throws at random points, restarts, and trips
// through the pause menu, the options (slider drags, window mode), the leave question and the
// main menu. It never clicks where a click could close the game.
std::string randomPlayScript(unsigned seed, long frames, const MenuPoints& menu);

// A second of random play with throws, then a restart of the level; `restarts` times.
std::string restartScript(unsigned seed, int restarts, const MenuPoints& menu);

// From the splash card: the main menu, the options (the music knob dragged to silence, which
// writes the setting), back, and play.
std::string optionsThenPlayScript(const MenuPoints& menu);
