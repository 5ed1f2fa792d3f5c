#include <functional>

#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"

// Scenery for the levels: behind the terrain (kind 0) and in front of everything (kind 1).
namespace {

void piece(PictureSet& set, const char* name, int w, int h, const std::function<void(Canvas&)>& draw) {
    Canvas c(w, h);
    draw(c);
    add(set, std::string("Content/Level/") + name, c);
}

}  // namespace

void addDecorations(PictureSet& set) {
    using namespace scenery;
    piece(set, "bg_tree.png", 520, 620, [](Canvas& c) { tree(c, {260, 612}, 1.0f, 600); });
    piece(set, "bg_cloud_small.png", 240, 110, [](Canvas& c) { cloud(c, {120, 66}, 200, 610); });
    piece(set, "bg_cloud_large.png", 460, 190, [](Canvas& c) { cloud(c, {230, 114}, 420, 620); });
    piece(set, "bg_bush.png", 220, 130, [](Canvas& c) { bush(c, {110, 126}, 190, 630); });
    piece(set, "bg_flower.png", 90, 130, [](Canvas& c) { flower(c, {40, 127}, 105, {230, 120, 140, 0.85f}, 640); });
    piece(set, "bg_fern.png", 160, 150, [](Canvas& c) { fern(c, {80, 146}, 130, 650); });
    piece(set, "bg_grass_tuft.png", 100, 50, [](Canvas& c) { grassTuft(c, {50, 46}, 70, 40, 660); });
    piece(set, "bg_hills.png", 1200, 320, [](Canvas& c) { hill(c, 0, 1200, 120, 90, {170, 200, 150, 0.45f}, 670); });
    piece(set, "fg_grass.png", 400, 70, [](Canvas& c) {
        for (int i = 0; i < 6; ++i) grassTuft(c, {36.0f + 66 * i, 66}, 74, 48 + 10.0f * (i % 3), 680u + i);
    });
    piece(set, "fg_fern.png", 200, 160, [](Canvas& c) { fern(c, {100, 158}, 150, 690); });
}
