#include "LevelMap.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "MapCanvas.h"
#include "level/Kinds.h"

namespace {

// A picture, or one frame of a strip, where the game draws it.
struct Placement {
    const Image* picture;
    IntRect source;
    double x, y;
};

// A box the map outlines, with its label (none when empty).
struct Mark {
    double x, y, width, height;
    Color colour;
    int thickness;
    std::string label;
};

// The strip frame the game shows first, cut down to what the picture holds.
IntRect frame(const Image& strip, int column, int row, int frameWidth, int frameHeight) {
    const int left = column * frameWidth, top = (row - 1) * frameHeight;
    const int right = std::min(left + frameWidth, static_cast<int>(strip.width()));
    const int bottom = std::min(top + frameHeight, static_cast<int>(strip.height()));
    return IntRect{left, top, right - left, bottom - top};
}

IntRect whole(const Image& picture) {
    return IntRect{0, 0, static_cast<int>(picture.width()), static_cast<int>(picture.height())};
}

// Both object layers in the order the game draws them.
std::vector<Placement> placements(const LevelObjectSet& set) {
    std::vector<Placement> out;
    for (const auto& o : set.mainList) {
        switch (kindRoles(o->kind).drawing) {
            case Drawing::KeyOnTop:
            case Drawing::Hidden: break;
            case Drawing::CheckpointStrip:
                out.push_back({&set.checkpointImage, frame(set.checkpointImage, 0, 1, 140, 400), o->x, o->y});
                break;
            case Drawing::OpenDoorStrip:
                out.push_back({&set.openDoorImage, frame(set.openDoorImage, 4, 1, 101, 140), o->x, o->y});
                break;
            case Drawing::ClosedDoorStrip:
                out.push_back({&set.closedDoorImage, frame(set.closedDoorImage, 0, 2, 101, 140), o->x, o->y});
                break;
            case Drawing::Picture: out.push_back({&o->image, whole(o->image), o->x, o->y}); break;
        }
    }
    for (const auto& o : set.mainList)
        if (kindRoles(o->kind).drawing == Drawing::KeyOnTop)
            out.push_back({&o->image, whole(o->image), o->x + o->width / 2 - static_cast<int>(o->image.width()) / 2,
                           o->y});
    for (const auto& o : set.foregroundList) out.push_back({&o->image, whole(o->image), o->x, o->y});
    return out;
}

std::vector<Mark> marks(const LevelObjectSet& set, const PlayerStart& start) {
    std::vector<Mark> out;
    for (const auto& o : set.mainList) {
        const double x = o->x, y = o->y, w = o->width, h = o->height;
        switch (kindRoles(o->kind).step) {
            case Step::Goal: out.push_back({x, y, w, h, mapcolour::kGoal, 3, "GOAL"}); break;
            case Step::CameraTrigger: out.push_back({x, y, w, h, mapcolour::kCameraTrigger, 3, "CAMERA"}); break;
            case Step::Checkpoint: {
                out.push_back({x, y, w, h, mapcolour::kCheckpoint, 3, "CHECKPOINT"});
                // Where touching it puts the player back: centred on the picture, feet on its bottom.
                const int respawnX = static_cast<int>(o->x - static_cast<float>(start.width) * 0.5f +
                                                      static_cast<float>(o->width / 2));
                const int respawnY = static_cast<int>(static_cast<float>(o->height) + o->y -
                                                      static_cast<float>(start.height));
                out.push_back({static_cast<double>(respawnX), static_cast<double>(respawnY),
                               static_cast<double>(start.width), static_cast<double>(start.height),
                               mapcolour::kCheckpoint, 1, ""});
                break;
            }
            default: break;
        }
    }
    out.push_back({static_cast<double>(start.x), static_cast<double>(start.y), static_cast<double>(start.width),
                   static_cast<double>(start.height), mapcolour::kStart, 2, "START"});
    return out;
}

struct Bounds {
    double left = std::numeric_limits<double>::max(), top = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest(), bottom = std::numeric_limits<double>::lowest();
    void add(double x, double y, double w, double h) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + w);
        bottom = std::max(bottom, y + h);
    }
};

double chooseScale(double requested, double worldWidth, double worldHeight) {
    const double room = LevelMap::kLargestSide - 2 * LevelMap::kMargin;
    const double fit = std::min(1.0, (LevelMap::kFitWidth - 2 * LevelMap::kMargin) / worldWidth);
    return std::min({requested > 0 ? requested : fit, room / worldWidth, room / worldHeight,
                     std::sqrt(LevelMap::kLargestArea / (worldWidth * worldHeight))});
}

}  // namespace

LevelMap LevelMap::draw(const CheckedLevel& level, const PlayerStart& start, double scale) {
    const std::vector<Placement> pictures = placements(level.objects());
    const std::vector<Mark> outlines = marks(level.objects(), start);
    Bounds bounds;
    for (const Placement& p : pictures)
        if (!p.source.empty()) bounds.add(p.x, p.y, p.source.width, p.source.height);
    for (const Mark& m : outlines) bounds.add(m.x, m.y, m.width, m.height);

    LevelMap map;
    const double worldWidth = std::max(1.0, bounds.right - bounds.left);
    const double worldHeight = std::max(1.0, bounds.bottom - bounds.top);
    MapView& view = map.view;
    view.scale = chooseScale(scale, worldWidth, worldHeight);
    view.originX = bounds.left - kMargin / view.scale;
    view.originY = bounds.top - kMargin / view.scale;
    const auto size = [&view](double world) { return static_cast<unsigned>(std::ceil(world * view.scale)) + 2 * kMargin; };

    MapCanvas canvas(view, size(worldWidth), size(worldHeight));
    for (const Placement& p : pictures) canvas.composite(*p.picture, p.source, p.x, p.y);
    for (const Mark& m : outlines) canvas.outline(m.x, m.y, m.width, m.height, m.thickness, m.colour);
    for (const Mark& m : outlines)
        if (!m.label.empty()) canvas.label(m.x, m.y, m.y + m.height, m.label, m.colour);
    map.image = canvas.image();
    return map;
}
