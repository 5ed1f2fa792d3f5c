#pragma once

#include <string>

// What save.save holds: where play resumes and how far it got.
struct Progress {
    int checkpointX = 0, checkpointY = 0;
    std::string level = "Level.txt";
    int highestLevel = 1;
};
