#pragma once

#include <cstdint>

#include "pictures/Canvas.h"

// The hand-drawn marks every picture is made of.
namespace strokes {

// Paper, graphite, ink and the few watercolours.
constexpr Paint kPaper{250, 247, 238, 1};
constexpr Paint kGraphite{78, 78, 86, 1};
constexpr Paint kLightGraphite{140, 140, 150, 1};
constexpr Paint kInk{22, 20, 28, 1};
constexpr Paint kScarfRed{196, 58, 48, 1};
constexpr Paint kSkyWash{132, 176, 214, 1};
constexpr Paint kLeafWash{118, 168, 96, 1};
constexpr Paint kOchreWash{214, 168, 92, 1};

// Points every `spacing` pixels along the path.
Path resampled(const Path& path, float spacing);
// The path resampled and pushed sideways by smooth noise, as a hand would draw it.
Path wobbled(const Path& path, float amplitude, std::uint32_t seed, float wavelength = 40);

// A grainy graphite line of the given width; `sketchy` adds a faint second pass.
void pencil(Canvas& c, const Path& path, float width, Paint paint, std::uint32_t seed, bool sketchy = true);
// A crisp ink line that swells in the middle and tapers at both ends.
void ink(Canvas& c, const Path& path, float width, std::uint32_t seed, Paint paint = kInk);
// A watercolour fill: blotchy inside, darker where the pigment pooled at the edge.
void wash(Canvas& c, const Path& outline, Paint paint, std::uint32_t seed);
// Parallel strokes at `angle` (radians from horizontal), kept inside `region`.
void hatch(Canvas& c, const Mask& region, float angle, float spacing, float width, Paint paint, std::uint32_t seed);
// A soft round blot fading from the centre, for glows and shadows.
void softSpot(Canvas& c, Vec2 centre, float radius, Paint paint);

}  // namespace strokes
