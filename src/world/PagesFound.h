#pragma once

#include <set>
#include <string>

#include "level/ObjectList.h"
#include "terrain/Box.h"
#include "world/BestTimes.h"

// The sketchbook pages taken in the level being played. A restart at a checkpoint reloads the
// level, but the pages found before stay found: only a new level or its start forgets them.
class PagesFound {
public:
    // After the level's objects are (re)loaded: `fresh` forgets what was found.
    void loaded(const std::string& level, bool apart, bool fresh, ObjectList& list);
    // Takes the page at `index` when `toucher` overlaps it; true when it was taken.
    bool takeIfTouched(ObjectList& list, int index, const Box& toucher);
    BestTimes::Pages count() const { return {static_cast<int>(taken_.size()), total_}; }

private:
    std::string level_;
    bool apart_ = false;
    std::set<int> taken_;  // record indices
    int total_ = 0;
};
