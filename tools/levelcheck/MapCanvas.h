#pragma once

#include <string>

#include "MapView.h"
#include "platform/Image.h"

// White paper showing the world from a top-left world point at a scale of at most 1, with
// pictures laid on it as the game composites them.
class MapCanvas {
public:
    MapCanvas(const MapView& view, unsigned width, unsigned height);

    // Alpha-composites the `source` part of a picture (inside it) placed at a world point. Every
    // map pixel gets the average of the picture pixels that fall on it, so thin lines survive
    // shrinking.
    void composite(const Image& picture, const IntRect& source, double worldX, double worldY);
    // Outlines a world box with a line `thickness` map pixels wide, inside the box.
    void outline(double worldX, double worldY, double worldWidth, double worldHeight, int thickness, Color colour);
    // Capital letters on a white ground just above the world point, or below `belowWorldY`
    // when there is no room above.
    void label(double worldX, double worldY, double belowWorldY, const std::string& text, Color colour);

    const Image& image() const { return image_; }

private:
    void fill(int left, int top, int right, int bottom, Color colour);

    Image image_;
    MapView view_;
};
