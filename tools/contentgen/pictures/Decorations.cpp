#include "pictures/PictureSet.h"
#include "pictures/Scenery.h"

// Scenery for the levels: behind the terrain (kind 0) and in front of everything (kind 1).
void addDecorations(PictureSet& set) {
    {
        Canvas c(520, 620);
        scenery::tree(c, {260, 612}, 1.0f, 600);
        add(set, "Content/Level/bg_tree.png", c);
    }
    {
        Canvas c(240, 110);
        scenery::cloud(c, {120, 66}, 200, 610);
        add(set, "Content/Level/bg_cloud_small.png", c);
    }
    {
        Canvas c(460, 190);
        scenery::cloud(c, {230, 114}, 420, 620);
        add(set, "Content/Level/bg_cloud_large.png", c);
    }
    {
        Canvas c(220, 130);
        scenery::bush(c, {110, 126}, 190, 630);
        add(set, "Content/Level/bg_bush.png", c);
    }
    {
        Canvas c(90, 130);
        scenery::flower(c, {40, 127}, 105, {230, 120, 140, 0.85f}, 640);
        add(set, "Content/Level/bg_flower.png", c);
    }
    {
        Canvas c(160, 150);
        scenery::fern(c, {80, 146}, 130, 650);
        add(set, "Content/Level/bg_fern.png", c);
    }
    {
        Canvas c(100, 50);
        scenery::grassTuft(c, {50, 46}, 70, 40, 660);
        add(set, "Content/Level/bg_grass_tuft.png", c);
    }
    {
        Canvas c(1200, 320);
        scenery::hill(c, 0, 1200, 120, 90, {170, 200, 150, 0.45f}, 670);
        add(set, "Content/Level/bg_hills.png", c);
    }
    {
        Canvas c(400, 70);
        for (int i = 0; i < 6; ++i) scenery::grassTuft(c, {36.0f + 66 * i, 66}, 74, 48 + 10.0f * (i % 3), 680u + i);
        add(set, "Content/Level/fg_grass.png", c);
    }
    {
        Canvas c(200, 160);
        scenery::fern(c, {100, 158}, 150, 690);
        add(set, "Content/Level/fg_fern.png", c);
    }
}
