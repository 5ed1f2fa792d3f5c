#pragma once

#include <initializer_list>
#include <string>

#include "audio/FakeAudio.h"
#include "level/ObjectList.h"

// Places an object whose picture is drawn as text: '#' is opaque, '.' transparent.
inline LevelObject& placeArt(ObjectList& list, int kind, float x, float y, std::initializer_list<std::string> rows) {
    auto o = std::make_unique<LevelObject>();
    const unsigned w = static_cast<unsigned>(rows.begin()->size()), h = static_cast<unsigned>(rows.size());
    o->image.create(w, h);
    unsigned k = 0;
    for (const std::string& row : rows) {
        for (unsigned j = 0; j < w; ++j)
            if (row[j] == '#') o->image.setPixel(j, k, Color{10, 20, 30, 255});
        ++k;
    }
    o->kind = kind;
    o->x = x;
    o->y = y;
    o->width = static_cast<int>(w);
    o->height = static_cast<int>(h);
    list.push_back(std::move(o));
    return *list.back();
}

inline LevelObject& placeFilled(ObjectList& list, int kind, float x, float y, int w, int h,
                                Color fill = Color{10, 20, 30, 255}) {
    auto o = std::make_unique<LevelObject>();
    o->image.create(static_cast<unsigned>(w), static_cast<unsigned>(h), fill);
    o->kind = kind;
    o->x = x;
    o->y = y;
    o->width = w;
    o->height = h;
    list.push_back(std::move(o));
    return *list.back();
}

