#pragma once

#include "platform/Image.h"

// What game code draws: a part of an image placed in the current view.
struct Sprite {
    const Image* image = nullptr;
    IntRect rect;  // source rectangle in the image
    float x = 0, y = 0;
    float scaleX = 1, scaleY = 1;
    bool flipX = false;  // mirrored inside the same place
    Color color;

    Sprite() = default;
    explicit Sprite(const Image* img) { setImage(img); }
    // Binds the image and shows all of it.
    void setImage(const Image* img) {
        image = img;
        rect = img ? IntRect{0, 0, static_cast<int>(img->width()), static_cast<int>(img->height())} : IntRect{};
    }
    void setPosition(float px, float py) {
        x = px;
        y = py;
    }
};
