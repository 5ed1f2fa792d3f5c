#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "LevelCheckTool.h"
#include "platform/Image.h"

// Pictures are cached for the whole run, so every test names its own files.
inline void drawPicture(const std::string& name, unsigned w, unsigned h, Color fill = Color{20, 20, 20, 255}) {
    Image picture;
    picture.create(w, h, fill);
    picture.saveToFile(name);
}

struct ToolRun {
    int status = 0;
    std::string out, err;

    // The diagnostic lines, in order, without the summaries.
    std::vector<std::string> diagnostics() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            if (line.find(": error: ") != std::string::npos || line.find(": warning: ") != std::string::npos)
                lines.push_back(line);
        return lines;
    }
};

inline ToolRun runTool(const std::vector<std::string>& args) {
    std::vector<const char*> argv{"torve-levelcheck"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int status = runLevelCheck(static_cast<int>(argv.size()), argv.data(), out, err);
    return ToolRun{status, out.str(), err.str()};
}
