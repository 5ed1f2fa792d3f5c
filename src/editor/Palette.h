#pragma once

#include <string>
#include <vector>

// What the editor can place: a picture and the kind it is placed as.
struct PaletteEntry {
    std::string picture;
    int kind = 0;
    bool operator==(const PaletteEntry&) const = default;
};

// Everything the game can place: each thing with a rule of its own (the four platforms, the
// key, doors, arrows in four directions, the checkpoint, the goal, the camera trigger) under
// its picture, then every terrain piece and decoration the shipped levels place, under the
// kind they place it as, in kind order.
std::vector<PaletteEntry> paletteEntries(const std::vector<std::string>& shippedLevels);
