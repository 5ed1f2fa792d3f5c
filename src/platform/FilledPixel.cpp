#include "platform/FilledPixel.h"

Image filledPixel(Color color) {
    Image image;
    image.create(1, 1, color);
    image.setSmooth(false);
    return image;
}

Sprite stretchedPixel(const Image& pixel, float x, float y, float width, float height) {
    Sprite sprite(&pixel);
    sprite.setPosition(x, y);
    sprite.scaleX = width;
    sprite.scaleY = height;
    return sprite;
}
