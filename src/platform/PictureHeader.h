#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct PictureSize {
    std::uint32_t width = 0, height = 0;
};

// The size a picture file declares in its header, read without decoding a pixel: PNG, JPEG,
// BMP, GIF, PSD and PIC by their signatures, and anything else as TGA (which has none), the
// way the decoder tries them. Nothing for Radiance HDR, whose size is text after a free-form
// header, for files too short or damaged to say, and for a PNG with a chunk longer than the
// rest of the file.
std::optional<PictureSize> declaredPictureSize(const std::string& path);
