#include "world/BestTimes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/Paths.h"
#include "platform/WriteQueue.h"

namespace {
// Far more than any list of levels needs: a damaged file cannot take the game's memory.
constexpr std::streamsize kLongestFile = 1 << 20;
// A day: anything longer is no time a run took.
constexpr double kLongestRun = 24 * 60 * 60;
constexpr std::string_view kPagesWord = "pages ";
// More pages than any level places: a damaged count is no count.
constexpr int kMostPages = 10000;

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
        read(line);
    }
}

void BestTimes::read(const std::string& line) {
    const bool pages = line.starts_with(kPagesWord);
    const char* begin = line.data() + (pages ? kPagesWord.size() : 0);
    const char* end = line.data() + line.size();
    double seconds = 0;
    Pages count;
    const char* afterNumber = nullptr;
    if (pages) {
        const auto [slash, e1] = std::from_chars(begin, end, count.found);
        if (e1 != std::errc() || slash == end || *slash != '/') return;
        const auto [after, e2] = std::from_chars(slash + 1, end, count.total);
        if (e2 != std::errc() || count.found < 0 || count.found > count.total || count.total > kMostPages) return;
        afterNumber = after;
    } else {
        const auto [after, error] = std::from_chars(begin, end, seconds);
        if (error != std::errc() || !usableTime(seconds)) return;
        afterNumber = after;
    }
    const std::string rest(afterNumber, end);
    const bool own = rest.starts_with(" own ");
    if (!own && !rest.starts_with(" game ")) return;
    const std::string name = rest.substr(own ? 5 : 6);
    if (name.empty()) return;
    const Key key{own, name};
    if (pages) {
        const auto [at, added] = pages_.emplace(key, count);
        if (!added && at->second.found < count.found) at->second = count;
        return;
    }
    const auto [at, added] = best_.emplace(key, seconds);
    if (!added) at->second = std::min(at->second, seconds);
}

std::optional<BestTimes::Key> BestTimes::keyOf(const Level& level) {
    const std::string& name = level.timesName;
    // A name that would break its line is kept nowhere.
    if (name.empty() || std::any_of(name.begin(), name.end(), [](unsigned char c) { return c < ' '; }))
        return std::nullopt;
    return Key{level.own, name};
}

template <class Value>
std::optional<Value> BestTimes::lookUp(const std::map<Key, Value>& table, const Level& level) {
    const auto key = keyOf(level);
    if (!key) return std::nullopt;
    const auto it = table.find(*key);
    return it == table.end() ? std::nullopt : std::optional(it->second);
}

std::optional<double> BestTimes::of(const Level& level) const { return lookUp(best_, level); }

void BestTimes::offer(const Level& level, double seconds) {
    const auto key = keyOf(level);
    if (!key || !usableTime(seconds)) return;
    // As the file holds it, so a time read back never loses to itself.
    seconds = std::round(seconds * 1000) / 1000;
    const auto [at, added] = best_.emplace(*key, seconds);
    if (!added && at->second <= seconds) return;
    at->second = seconds;
    write();
}

std::optional<BestTimes::Pages> BestTimes::pagesOf(const Level& level) const { return lookUp(pages_, level); }

void BestTimes::offerPages(const Level& level, Pages pages) {
    const auto key = keyOf(level);
    if (!key || pages.total <= 0 || pages.found < 0 || pages.found > pages.total || pages.total > kMostPages) return;
    const auto [at, added] = pages_.emplace(*key, pages);
    if (!added) {
        if (at->second.total == pages.total && at->second.found >= pages.found) return;
        at->second = pages;
    }
    write();
}

void BestTimes::write() const {
    if (!writable_ || path_.empty()) return;
    std::string text;
    for (const auto& [which, time] : best_) {
        char number[32];
        std::snprintf(number, sizeof number, "%.3f", time);
        text += std::string(number) + (which.first ? " own " : " game ") + which.second + "\n";
    }
    for (const auto& [which, count] : pages_)
        text += std::string(kPagesWord) + std::to_string(count.found) + "/" + std::to_string(count.total) +
                (which.first ? " own " : " game ") + which.second + "\n";
    WriteQueue::replaceFile(path_, text);
}
