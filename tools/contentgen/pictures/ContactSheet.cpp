#include <algorithm>
#include <iostream>

#include "Generators.h"
#include "pictures/Canvas.h"
#include "pictures/Lettering.h"

// Every picture on one page, shrunk to fit its cell, over a checkerboard that shows its
// transparency, with its name and size underneath.
namespace {

constexpr int kPageWidth = 2400, kCellWidth = 560, kCellHeight = 400, kGap = 24, kLabel = 26;

Canvas checker(int w, int h) {
    Canvas c(w, h, Paint{255, 255, 255, 1});
    Mask dark(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (((x / 8) + (y / 8)) % 2) dark.raise(x, y, 1);
    c.paint(dark, {222, 222, 228, 1});
    return c;
}

struct Tile {
    Canvas thumb;
    std::string label;
};

}  // namespace

bool writeContactSheet(const std::filesystem::path& gameDir, const std::vector<std::string>& names,
                       const std::filesystem::path& out) {
    std::vector<Tile> tiles;
    for (const std::string& name : names) {
        Image img;
        if (!img.loadFromFile((gameDir / name).string())) {
            std::cerr << "contentgen: cannot read back " << name << "\n";
            return false;
        }
        const int w = static_cast<int>(img.width()), h = static_cast<int>(img.height());
        const int factor = std::max({1, (w + kCellWidth - 1) / kCellWidth, (h + kCellHeight - 1) / kCellHeight});
        Canvas full = Canvas::fromImage(img);
        Canvas small = factor > 1 ? full.shrunk(factor) : full;
        Canvas thumb = checker(small.width(), small.height());
        thumb.draw(small, 0, 0);
        tiles.push_back({std::move(thumb), name + "  " + std::to_string(w) + "x" + std::to_string(h) +
                                               (factor > 1 ? "  (1/" + std::to_string(factor) + ")" : "")});
    }
    // Shelf layout: left to right, a new row when the page is full.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Tile& t : tiles) {
        const int w = std::max(t.thumb.width(), static_cast<int>(handLettering().width(t.label, 15)) + 4);
        if (x + w + kGap > kPageWidth) {
            x = kGap;
            y += rowHeight + kLabel + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + kGap;
        rowHeight = std::max(rowHeight, t.thumb.height());
    }
    Canvas page(kPageWidth, y + rowHeight + kLabel + kGap, Paint{200, 204, 210, 1});
    Mask labels(page.width(), page.height());
    for (size_t i = 0; i < tiles.size(); ++i) {
        page.draw(tiles[i].thumb, places[i].x, places[i].y);
        handLettering().write(labels, tiles[i].label, {static_cast<float>(places[i].x), static_cast<float>(places[i].y + tiles[i].thumb.height() + 18)}, 15);
    }
    page.paint(labels, {20, 20, 30, 1});
    if (!page.toImage().saveToFile(out.string())) {
        std::cerr << "contentgen: cannot write " << out.string() << "\n";
        return false;
    }
    return true;
}
