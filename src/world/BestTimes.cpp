#include "world/BestTimes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Paths.h"
#include "platform/WriteQueue.h"

namespace {
// Far more than any list of levels needs: a damaged file cannot take the game's memory.
constexpr std::streamsize kLongestFile = 1 << 20;
// A day: anything longer is no time a run took.
constexpr double kLongestRun = 24 * 60 * 60;

bool usableTime(double seconds) { return std::isfinite(seconds) && seconds > 0 && seconds < kLongestRun; }
}  // namespace

BestTimes::BestTimes(std::string path) : path_(std::move(path)) {
    if (path_.empty()) return;
    WriteQueue::waitForWrites();
    const std::string native = nativePath(path_);
    std::ifstream file(native, std::ios::binary);
    std::error_code ec;
    if (!file) {
        writable_ = !std::filesystem::exists(native, ec);
        return;
    }
    std::string text(static_cast<size_t>(kLongestFile), '\0');
    file.read(text.data(), kLongestFile);
    text.resize(static_cast<size_t>(file.gcount()));
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        double seconds = 0;
        const char* end = line.data() + line.size();
        const auto [afterTime, error] = std::from_chars(line.data(), end, seconds);
        if (error != std::errc() || !usableTime(seconds)) continue;
        const std::string rest(afterTime, end);
        const bool own = rest.starts_with(" own ");
        if (!own && !rest.starts_with(" game ")) continue;
        const std::string name = rest.substr(own ? 5 : 6);
        if (name.empty()) continue;
        const auto [at, added] = best_.emplace(Key{own, name}, seconds);
        if (!added) at->second = std::min(at->second, seconds);
    }
}

std::optional<BestTimes::Key> BestTimes::keyOf(const Level& level) {
    const std::string& name = level.timesName;
    // A name that would break its line is kept nowhere.
    if (name.empty() || std::any_of(name.begin(), name.end(), [](unsigned char c) { return c < ' '; }))
        return std::nullopt;
    return Key{level.own, name};
}

std::optional<double> BestTimes::of(const Level& level) const {
    const auto key = keyOf(level);
    if (!key) return std::nullopt;
    const auto it = best_.find(*key);
    return it == best_.end() ? std::nullopt : std::optional(it->second);
}

void BestTimes::offer(const Level& level, double seconds) {
    const auto key = keyOf(level);
    if (!key || !usableTime(seconds)) return;
    // As the file holds it, so a time read back never loses to itself.
    seconds = std::round(seconds * 1000) / 1000;
    const auto [at, added] = best_.emplace(*key, seconds);
    if (!added && at->second <= seconds) return;
    at->second = seconds;
    if (!writable_ || path_.empty()) return;
    std::string text;
    for (const auto& [which, time] : best_) {
        char number[32];
        std::snprintf(number, sizeof number, "%.3f", time);
        text += std::string(number) + (which.first ? " own " : " game ") + which.second + "\n";
    }
    WriteQueue::replaceFile(path_, text);
}
