#include "editor/EditHistory.h"

namespace {
// The records as one side of a step left them, and each patch's pixels of that side.
void apply(EditedLevel& level, const std::vector<Placed>& records, const std::vector<PixelPatch>& patches,
           std::vector<std::uint8_t> PixelPatch::*side) {
    level.records = records;
    for (const PixelPatch& patch : patches) {
        const std::uint8_t* p = (patch.*side).data();
        for (int y = patch.area.top; y < patch.area.top + patch.area.height; ++y)
            for (int x = patch.area.left; x < patch.area.left + patch.area.width; ++x, p += 4)
                patch.piece->image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), Color{p[0], p[1], p[2], p[3]});
        patch.piece->changed = true;
    }
}
}  // namespace

void EditHistory::record(Edit edit) {
    undone_.clear();
    done_.push_back(std::move(edit));
    if (done_.size() > kSteps) done_.pop_front();
}

bool EditHistory::undo(EditedLevel& level) { return walk(done_, undone_, level, &Edit::recordsBefore, &PixelPatch::before); }

bool EditHistory::redo(EditedLevel& level) { return walk(undone_, done_, level, &Edit::recordsAfter, &PixelPatch::after); }

bool EditHistory::walk(std::deque<Edit>& from, std::deque<Edit>& to, EditedLevel& level,
                       std::vector<Placed> Edit::*records, std::vector<std::uint8_t> PixelPatch::*side) {
    if (from.empty()) return false;
    const Edit& edit = from.back();
    apply(level, edit.*records, edit.patches, side);
    to.push_back(std::move(from.back()));
    from.pop_back();
    return true;
}
