#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "editor/EditedLevel.h"

// Pixels of a painted piece before and after a change, over the rectangle it touched.
struct PixelPatch {
    std::shared_ptr<PaintedPiece> piece;
    IntRect area;
    std::vector<std::uint8_t> before, after;
};

// One step of the author's: the records before and after it, and the pixels it painted.
struct Edit {
    std::vector<Placed> recordsBefore, recordsAfter;
    std::vector<PixelPatch> patches;
};

// The steps that undo and redo walk. A new step drops the ones undone before it.
class EditHistory {
public:
    static constexpr size_t kSteps = 200;

    void record(Edit edit);
    // False when there is nothing to undo (or redo).
    bool undo(EditedLevel& level);
    bool redo(EditedLevel& level);

private:
    // Moves the newest step of `from` onto `to`, leaving the level as that step's one side has it.
    static bool walk(std::deque<Edit>& from, std::deque<Edit>& to, EditedLevel& level,
                     std::vector<Placed> Edit::*records, std::vector<std::uint8_t> PixelPatch::*side);

    std::deque<Edit> done_;
    std::deque<Edit> undone_;
};
