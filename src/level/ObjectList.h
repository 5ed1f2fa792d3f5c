#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "level/LevelObject.h"
#include "level/RuleSettings.h"

// Where an object that never moves lies, copied out of it so that a query's walk along the
// level reads one small array instead of every object.
struct StillBox {
    float left, right, top, bottom;
    std::uint32_t index;
};

// The list split for the queries' walk, each part in list order: the still objects that a
// rule may count, and every other object, which is read where it is.
struct ObjectIndex {
    std::vector<StillBox> stillForBox, stillForCircle;
    std::vector<std::uint32_t> moving;
};

// The level's ordered object list; positions are stable while a level runs. It carries the
// rule values of its world, so that two worlds in one process never share them. Objects of
// kinds that stay put are not moved once listed: the index copies where they lie.
struct ObjectList : std::vector<std::unique_ptr<LevelObject>> {
    using Objects = std::vector<std::unique_ptr<LevelObject>>;

    RuleSettings rules;

    void push_back(std::unique_ptr<LevelObject> o) {
        Objects::push_back(std::move(o));
        indexed_ = false;
    }
    void clear() {
        Objects::clear();
        indexed_ = false;
    }
    iterator erase(const_iterator at) {
        indexed_ = false;
        return Objects::erase(at);
    }

    // Made on first use after the list changed.
    const ObjectIndex& index() const;

private:
    mutable ObjectIndex index_;
    mutable bool indexed_ = false;
};
