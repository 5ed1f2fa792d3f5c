#include "level/ObjectList.h"

#include "level/Kinds.h"

const ObjectIndex& ObjectList::index() const {
    if (indexed_) return index_;
    index_.stillForBox.clear();
    index_.stillForCircle.clear();
    index_.moving.clear();
    for (std::uint32_t i = 0; i < size(); ++i) {
        const LevelObject& o = *(*this)[i];
        if (!staysPut(o.kind)) {
            index_.moving.push_back(i);
            continue;
        }
        const StillBox box{o.x, o.x + static_cast<float>(o.width), o.y, o.y + static_cast<float>(o.height), i};
        const KindRoles& roles = kindRoles(o.kind);
        if (roles.solidToBox) index_.stillForBox.push_back(box);
        if (roles.solidToCircle) index_.stillForCircle.push_back(box);
    }
    indexed_ = true;
    return index_;
}
