#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "TestSupport.h"

// A shell command run to its end, with what it printed and its peak memory.
struct MeasuredRun {
    int status = -1;       // exit status; -1 when it was killed by a signal
    std::string out;       // standard output
    long peakRssKiB = 0;   // largest resident set of the command's processes
};
MeasuredRun runMeasured(const std::string& command);

// The peak resident memory of this process so far. Each test runs in a process of its own
// under ctest, so a rise during a test is the test's own.
long peakRssKiB();

// Copies torve-sim into `folder`, so the options it writes beside itself land there, as in
// an installed game. Returns the shell command that starts the copy in that folder (with the
// null sound driver); arguments may follow.
std::string simIn(const std::filesystem::path& folder);

// True when this process may make private mount namespaces (root on Linux): tmpfs and
// read-only bind mounts can then stand in for a full disk and a read-only folder.
bool canMountPrivately();

// Sanitizer reports in a process's standard error; empty when there are none.
std::string sanitizerReport(const std::string& errors);

// The last state line torve-sim printed; null when there is none.
nlohmann::json lastState(const std::string& out);
