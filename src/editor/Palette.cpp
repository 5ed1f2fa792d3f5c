#include "editor/Palette.h"

#include <algorithm>
#include <set>

#include "level/Kinds.h"
#include "level/LevelFile.h"

std::vector<PaletteEntry> paletteEntries(const std::vector<std::string>& shippedLevels) {
    std::vector<PaletteEntry> entries = {
        {"Content/Level/lift.png", Kind::PlatformDown},   {"Content/Level/lift.png", Kind::PlatformUp},
        {"Content/Level/ferry.png", Kind::PlatformRight}, {"Content/Level/ferry.png", Kind::PlatformLeft},
        {"Content/Level/key.png", Kind::Key},             {"Content/Level/door.png", Kind::ClosedDoor},
        {"Content/Level/door.png", Kind::OpenDoor},       {"Content/Level/arrow_right.png", Kind::ArrowRight},
        {"Content/Level/arrow_left.png", Kind::ArrowLeft}, {"Content/Level/arrow_up.png", Kind::ArrowUp},
        {"Content/Level/arrow_down.png", Kind::ArrowDown}, {"Content/Level/checkpoint.png", Kind::Checkpoint},
        {"Content/Level/goal.png", Kind::Goal},           {"Content/Level/camera_trigger.png", Kind::CameraTrigger},
        {"Content/Level/page.png", Kind::Page}};
    std::set<std::pair<int, std::string>> scenery;
    for (const std::string& level : shippedLevels)
        for (const LevelRecord& r : LevelFile::read(level).records)
            if (r.kind <= Kind::Ink && r.kind >= Kind::Decoration) scenery.emplace(r.kind, r.picture);
    for (const auto& [kind, picture] : scenery) entries.push_back({picture, kind});
    return entries;
}
