#pragma once

#include <string>

// One finding about a level file, printed the way compilers print theirs so that editors can
// jump to the line.
struct Diagnostic {
    enum class Severity { Warning, Error };

    std::string file;
    int line = 0;  // 0: about the file as a whole, which has no line to point at
    Severity severity = Severity::Error;
    std::string message;

    // "FILE:LINE: error: message", or "FILE: error: message" without a line.
    std::string text() const;
};
