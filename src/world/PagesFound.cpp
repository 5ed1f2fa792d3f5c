#include "world/PagesFound.h"

#include "level/Kinds.h"
#include "terrain/Collision.h"

void PagesFound::loaded(const std::string& level, bool apart, bool fresh, ObjectList& list) {
    if (fresh || level != level_ || apart != apart_) taken_.clear();
    level_ = level;
    apart_ = apart;
    total_ = 0;
    for (const auto& o : list) {
        if (kindRoles(o->kind).step != Step::Page) continue;
        ++total_;
        if (taken_.contains(o->recordIndex)) o->x = LevelObject::kPageTaken;
    }
}

bool PagesFound::takeIfTouched(ObjectList& list, int index, const Box& toucher) {
    LevelObject& page = *list[static_cast<size_t>(index)];
    if (page.x == LevelObject::kPageTaken || !objectOverlaps(list, index, toucher)) return false;
    page.x = LevelObject::kPageTaken;
    taken_.insert(page.recordIndex);
    return true;
}
