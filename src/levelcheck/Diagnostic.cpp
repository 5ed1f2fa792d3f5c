#include "levelcheck/Diagnostic.h"

std::string Diagnostic::text() const {
    std::string out = file;
    if (line > 0) out += ":" + std::to_string(line);
    out += severity == Severity::Error ? ": error: " : ": warning: ";
    return out + message;
}
