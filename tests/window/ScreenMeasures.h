#pragma once

#include "platform/Image.h"

// Measures for comparing screenshots that hold whatever the pictures look like: they ask
// whether something changed, moved or is there, never whether it looks a certain way.
namespace screen {
struct Region {
    int left = 0, top = 0, width = 0, height = 0;
};
Region whole(const Image& shot);

// Share of the region's pixels whose colour differs by more than `tolerance` in a channel.
double changedFraction(const Image& a, const Image& b, Region region, int tolerance = 40);
// How many rows lie from the first to the last row of the region in which at least
// `minimum` pixels differ by more than `tolerance`; 0 when none do.
int changedRowSpan(const Image& a, const Image& b, Region region, int tolerance = 40, int minimum = 3);
// Share of the region's pixels that are not near white.
double nonWhiteFraction(const Image& shot, Region region);
// Share of the region's pixels (in the shot) that show `picture`, laid over white and
// stretched over the whole shot, within `tolerance` in every channel.
double matchingFraction(const Image& shot, const Image& picture, Region region, int tolerance = 8);
// How many pixels the scene moved between two shots: a positive dx when it moved left
// (what a camera following a player who runs right shows), a positive dy when it moved
// down. Searches up to `reach` pixels either way along one axis.
int horizontalShift(const Image& before, const Image& after, int reach);
int verticalShift(const Image& before, const Image& after, int reach);
// The shot reduced to `width` x `height` by averaging.
Image shrunk(const Image& shot, unsigned width, unsigned height);
}  // namespace screen
