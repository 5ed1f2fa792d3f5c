#pragma once

#include <cmath>

// How world pixels land on a map: the world point at the map's top-left corner and the scale.
struct MapView {
    double originX = 0, originY = 0;
    double scale = 1;

    int toMapX(double worldX) const { return static_cast<int>(std::floor((worldX - originX) * scale)); }
    int toMapY(double worldY) const { return static_cast<int>(std::floor((worldY - originY) * scale)); }
};
