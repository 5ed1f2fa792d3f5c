#include "terrain/Collision.h"

#include <bit>
#include <climits>
#include <cstdint>

#include "audio/SoundBank.h"
#include "terrain/ObjectBox.h"
#include "terrain/TerrainSettings.h"

float approxSqrt(float v) {
    const std::int32_t bits = std::bit_cast<std::int32_t>(v);
    return std::bit_cast<float>((bits >> 1) + 0x1FC00000);
}

int approxDistance(float dx, float dy) {
    const float d = approxSqrt(dx * dx + dy * dy);
    return d < 2.0e9f ? static_cast<int>(d) : INT_MAX;
}

namespace {

bool skippedByBox(int kind) {
    return kind == 0 || kind == 10 || kind == 12 || kind == 17 || kind == 18 || kind == 19 || kind == 20;
}

// Camera triggers stop the boomerang; pencil never does, so it is skipped outright.
bool skippedByCircle(int kind) {
    return kind == 0 || kind == 2 || kind == 10 || kind == 12 || kind == 17 || kind == 18 || kind == 19;
}

// Alpha 1..9 is invisible but solid; 10..100 is visible but not (the eraser's faded rim).
bool solidForBox(std::uint8_t a) { return a > 100 || (a >= 1 && a <= 9); }

// Drops the rows at either end of the range that hold no counting pixel: they cannot change
// the record, and reading them row by row is far cheaper than walking them column by column.
template <class Counts>
bool trimEmptyRows(const LevelObject& o, PixelRange& r, const Counts& counts) {
    const std::uint8_t* alpha = o.image.pixels() + 3;
    const size_t stride = static_cast<size_t>(o.image.width()) * 4;
    const auto rowCounts = [&](int k) {
        const float fy = o.y + static_cast<float>(k);
        const std::uint8_t* row = alpha + static_cast<size_t>(k) * stride;
        for (int j = r.j0; j < r.jEnd; ++j)
            if (counts(o.x + static_cast<float>(j), fy, row[static_cast<size_t>(j) * 4])) return true;
        return false;
    };
    while (r.k0 < r.kEnd && !rowCounts(r.k0)) ++r.k0;
    if (r.k0 == r.kEnd) return false;
    while (!rowCounts(r.kEnd - 1)) --r.kEnd;
    return true;
}

// Records the first counting pixel in the direction of motion; pixels are compared at their
// truncated world positions, and a tie keeps the pixel found first. Columns run outer and rows
// inner, so moving down or sideways the rest of a column can only tie or lose once one pixel
// counted, and columns or rows that cannot win are not read.
template <class Counts>
CollisionHit scan(const WorldBox& box, int w, int h, const ObjectList& list, float dirX, float dirY, bool (*skips)(int),
                  Counts counts) {
    CollisionHit hit;
    const bool down = dirY > 0, up = dirY < 0;
    const bool toRight = !down && !up && dirX > 0, toLeft = !down && !up && dirX < 0;
    if (!down && !up && !toRight && !toLeft) return hit;

    for (size_t i = 0; i < list.size(); ++i) {
        const LevelObject& o = *list[i];
        if (skips(o.kind) || !overlaps(o, box)) continue;
        // An object never collides with itself when it queries its own box.
        if (o.x == box.left && o.y == box.top && o.width == w && o.height == h) continue;
        PixelRange r = clipToObject(o, box);
        if (!trimEmptyRows(o, r, counts)) continue;
        const std::uint8_t* alpha = o.image.pixels() + 3;
        const size_t stride = static_cast<size_t>(o.image.width()) * 4;
        for (int j = r.j0; j < r.jEnd; ++j) {
            const float fx = o.x + static_cast<float>(j);
            const int px = static_cast<int>(fx);
            if (hit.count > 0) {
                if (toRight && !(px < hit.hitX)) break;
                if (toLeft && !(px > hit.hitX)) continue;
            }
            for (int k = r.k0; k < r.kEnd; ++k) {
                const float fy = o.y + static_cast<float>(k);
                const int py = static_cast<int>(fy);
                if (hit.count > 0) {
                    if (down && !(py < hit.hitY)) break;
                    if (up && !(py > hit.hitY)) continue;
                }
                if (!counts(fx, fy, alpha[static_cast<size_t>(k) * stride + static_cast<size_t>(j) * 4])) continue;
                hit.hitX = px;
                hit.hitY = py;
                hit.index = static_cast<int>(i);
                hit.kind = o.kind;
                hit.speedX = o.speedX;
                hit.speedY = o.speedY;
                ++hit.count;
                if (!up) break;
            }
        }
    }
    hit.hit = hit.count > 0;
    return hit;
}

}  // namespace

CollisionHit queryBox(int x, int y, int w, int h, const ObjectList& list, float dirX, float dirY) {
    return scan(WorldBox::of(x, y, w, h), w, h, list, dirX, dirY, skippedByBox,
                [](float, float, std::uint8_t a) { return solidForBox(a); });
}

CollisionHit queryCircle(int x, int y, int w, int h, int radius, const ObjectList& list, float dirX, float dirY) {
    const float cx = static_cast<float>(static_cast<long long>(x) + w / 2);
    const float cy = static_cast<float>(static_cast<long long>(y) + h / 2);
    return scan(WorldBox::of(x, y, w, h), w, h, list, dirX, dirY, skippedByCircle,
                [cx, cy, radius](float fx, float fy, std::uint8_t a) {
                    return a != 0 && approxDistance(fx - cx, fy - cy) < radius;
                });
}

bool objectOverlaps(const ObjectList& list, int index, int x, int y, int w, int h) {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return false;
    return overlaps(*list[static_cast<size_t>(index)], WorldBox::of(x, y, w, h));
}

int findOtherPlatform(const ObjectList& list, int x, int y, int w, int h, int excluded) {
    const WorldBox box = WorldBox::of(x, y, w, h);
    for (size_t i = 0; i < list.size(); ++i) {
        const LevelObject& o = *list[i];
        if (static_cast<int>(i) != excluded && o.kind >= 4 && o.kind <= 7 && overlaps(o, box)) return static_cast<int>(i);
    }
    return -1;
}

int takeKeyAt(ObjectList& list, int x, int y, int w, int h) {
    const WorldBox box = WorldBox::of(x, y, w, h);
    for (size_t i = 0; i < list.size(); ++i) {
        LevelObject& o = *list[i];
        if (o.kind == 10 && overlaps(o, box)) {
            o.x = -9999;
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool tryOpenDoor(int x, int y, int w, int h, ObjectList& list, int keyIndex) {
    const int m = terrainSettings.closeDoorValue;
    const WorldBox reach = WorldBox::of(x, y, w, h);
    const WorldBox widened{reach.left - static_cast<float>(m), reach.top, reach.right + static_cast<float>(m),
                           reach.bottom};
    for (auto& door : list) {
        if (door->kind != 11 || !overlaps(*door, widened)) continue;
        // Without a key the door still answers "in reach".
        if (keyIndex >= 0 && static_cast<size_t>(keyIndex) < list.size()) {
            door->kind = 12;
            list[static_cast<size_t>(keyIndex)]->x = -9999;
            soundBank().playDoorOpen();
        }
        return true;
    }
    return false;
}

bool tryCloseDoor(ObjectList& list, int x, int y, int w, int h, int& carriedKey, int bx, int by, int bw, int bh) {
    const int m = terrainSettings.openDoorValue;
    const WorldBox player = WorldBox::of(x, y, w, h);
    const WorldBox widened{player.left - static_cast<float>(m), player.top, player.right + static_cast<float>(m),
                           player.bottom};
    const WorldBox boomerang = WorldBox::of(bx, by, bw, bh);
    for (auto& door : list) {
        if (door->kind != 12 || !overlaps(*door, widened)) continue;
        if (overlaps(*door, player)) continue;
        if (queryBox(static_cast<int>(door->x), static_cast<int>(door->y), door->width, door->height, list, 1, 0).hit)
            continue;
        if (overlaps(*door, boomerang)) continue;
        if (carriedKey != -1) return true;
        door->kind = 11;
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i]->x == -9999) {
                carriedKey = static_cast<int>(i);
                soundBank().playIfIdle("close_door.wav");
                return true;
            }
        }
    }
    return false;
}
