#include "LevelCheckTool.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "levelcheck/CheckedLevel.h"
#include "levelcheck/LevelChecker.h"
#include "LevelMap.h"
#include "levelcheck/PlayerStart.h"
#include "platform/Paths.h"

namespace {

struct Options {
    std::string mapPath;
    double scale = 0;  // 0: fit
    std::vector<std::string> levels;
};

std::string counted(size_t n, const std::string& thing) {
    return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

std::string scaleText(double scale) {
    std::ostringstream text;
    text.precision(3);
    text << scale;
    return text.str();
}

bool namesPng(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".png";
}

// Two levels whose maps would overwrite each other, as a message; empty when there are none.
std::string mapClash(const Options& options) {
    if (options.mapPath.empty()) return {};
    std::map<std::string, std::string> owners;
    for (const std::string& level : options.levels) {
        const auto [it, added] = owners.emplace(mapPathFor(options.mapPath, level, options.levels.size() > 1), level);
        if (!added) return it->second + " and " + level + " would both be drawn into " + it->first;
    }
    return {};
}

// Returns the summary line's tail, or reports the failure as an error.
std::string writeMap(const CheckedLevel& level, const PlayerStart& start, const Options& options,
                     const std::string& path, std::vector<Diagnostic>& diagnostics) {
    const LevelMap map = LevelMap::draw(level, start, options.scale);
    if (!map.image.saveToFile(path)) {
        diagnostics.push_back(
            Diagnostic{level.path(), 0, Diagnostic::Severity::Error, "cannot write the map to '" + path + "'"});
        return {};
    }
    return "; map " + path + " (" + std::to_string(map.image.width()) + "x" + std::to_string(map.image.height()) +
           ", scale " + scaleText(map.view.scale) + ")";
}

}  // namespace

std::string mapPathFor(const std::string& mapPath, const std::string& levelPath, bool severalLevels) {
    if (!severalLevels) return mapPath;
    const std::filesystem::path out(mapPath);
    const std::string name = out.stem().string() + "-" + std::filesystem::path(nativePath(levelPath)).stem().string() +
                             out.extension().string();
    return (out.parent_path() / name).string();
}

int runLevelCheck(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"torve-levelcheck: reports the mistakes in level files and draws the levels; run it in the game folder"};
    Options options;
    CLI::Option* map =
        app.add_option("--map", options.mapPath, "draw each level into this PNG (several levels: OUT-LEVELNAME.png)")
            ->check(CLI::Validator([](std::string& path) { return namesPng(path) ? "" : "not a .png file: " + path; },
                                   "PNG", "PNG"));
    app.add_option("--scale", options.scale, "map scale, above 0 and at most 1 (default: fit 4096 pixels wide)")
        ->check(CLI::PositiveNumber)
        ->check(CLI::Range(0.0, 1.0))
        ->needs(map);
    app.add_option("LEVEL", options.levels, "level files")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err) == 0 ? 0 : 2;
    }

    const bool several = options.levels.size() > 1;
    if (const std::string clash = mapClash(options); !clash.empty()) {
        err << "torve-levelcheck: " << clash << "\n";
        return 2;
    }

    const PlayerStart start = PlayerStart::fromConfig();
    std::vector<std::string> summaries;
    bool anyError = false;
    for (const std::string& path : options.levels) {
        const CheckedLevel level(path);
        std::vector<Diagnostic> diagnostics = checkLevel(level, start);
        std::string mapText;
        if (!options.mapPath.empty() && level.file().stop.opened)
            mapText = writeMap(level, start, options, mapPathFor(options.mapPath, path, several), diagnostics);
        size_t errors = 0;
        for (const Diagnostic& d : diagnostics) {
            out << d.text() << "\n";
            if (d.severity == Diagnostic::Severity::Error) ++errors;
        }
        anyError = anyError || errors > 0;
        summaries.push_back(path + ": " + counted(level.file().records.size(), "record") + ", " +
                            counted(errors, "error") + ", " + counted(diagnostics.size() - errors, "warning") + mapText);
    }
    for (const std::string& summary : summaries) out << summary << "\n";
    return anyError ? 1 : 0;
}
