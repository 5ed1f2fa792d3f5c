#pragma once

#include <string>

#include "world/Level.h"

// What save.save holds: where play resumes and how far it got.
struct Progress {
    int checkpointX = 0, checkpointY = 0;
    std::string level = Level::first();
    int highestLevel = 1;
};
