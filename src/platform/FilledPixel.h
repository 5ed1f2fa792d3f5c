#pragma once

#include "platform/Image.h"
#include "platform/Sprite.h"

// A one-pixel picture of one colour, stretched over an area as a veil or a dimmer.
Image filledPixel(Color color);
Sprite stretchedPixel(const Image& pixel, float x, float y, float width, float height);
