#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "world/Level.h"

// Each level's best time from its start to its goal, in a small text file beside save.save: a
// line a level, its seconds, "game" or "own" and its name (Level::timesName) to the line's end.
// The most sketchbook pages found in a finished run are a line of their own, "pages F/T" in
// place of the seconds, which older games pass over as damaged.
// A line that cannot be read is passed over, so a damaged or missing file reads as no times.
class BestTimes {
public:
    // Reads `path` (GameFolders::stats) once every write asked for before is made.
    explicit BestTimes(std::string path);

    // Nothing when the level has no time, or can have none.
    std::optional<double> of(const Level& level) const;
    // Keeps `seconds` when it beats the level's best and writes the file on the writer thread.
    void offer(const Level& level, double seconds);

    struct Pages {
        int found = 0, total = 0;
    };
    std::optional<Pages> pagesOf(const Level& level) const;
    // Keeps the count when it finds more pages than before, or the level now holds another number.
    void offerPages(const Level& level, Pages pages);

private:
    // Own levels and shipped ones may share a name.
    using Key = std::pair<bool, std::string>;
    static std::optional<Key> keyOf(const Level& level);
    template <class Value>
    static std::optional<Value> lookUp(const std::map<Key, Value>& table, const Level& level);
    void read(const std::string& line);
    void write() const;

    std::string path_;
    std::map<Key, double> best_;
    std::map<Key, Pages> pages_;
    // A file that is there but cannot be read is left as it is rather than lose its times.
    bool writable_ = true;
};
