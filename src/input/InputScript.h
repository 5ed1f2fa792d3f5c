#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "platform/Input.h"

// One line of an input script: what is held for a number of frames.
struct InputStep {
    long frames = 0;
    InputState held;
};

struct InputScript {
    std::vector<InputStep> steps;
    long totalFrames() const;
    // What is held in a frame (0-based); nothing past the end, the pointer kept.
    InputState at(long frame) const;
};

// Parses "N key key lmb rmb mouse=X,Y wheel=N pad-a pad-stick=X,Y # comment" lines. On a bad line returns nothing and
// sets `error` to "line L: what was wrong".
std::optional<InputScript> parseInputScript(std::istream& in, std::string& error);
