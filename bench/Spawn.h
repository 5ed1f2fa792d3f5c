#pragma once

#include <string>
#include <vector>

// One run of another program (or of this one in a child mode), measured from outside.
struct ChildRun {
    int status = -1;         // exit status, -1 when it did not exit normally
    std::string out;         // what it wrote on standard output
    double readySeconds = 0; // from the start until it wrote its first line
};

ChildRun runChild(const std::vector<std::string>& args);

// This program's own path, for starting it in a child mode.
std::string selfPath();
