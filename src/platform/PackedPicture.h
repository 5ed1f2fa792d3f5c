#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A picture kept deflated in square tiles, for a window that makes a tile's texture only when
// the tile is drawn: a picture that is only drawn never needs all its pixels at once.
class PackedPicture {
public:
    static constexpr int kTileSize = 256;

    // Reads an 8-bit RGBA PNG a band of tiles at a time, so no more than one band of pixels is
    // ever held; nothing for any other file, which is read whole where it is loaded.
    static std::shared_ptr<const PackedPicture> read(const std::string& file);

    unsigned width() const { return width_; }
    unsigned height() const { return height_; }
    // Tile `index` (row-major) unpacked into `out`, its width * height * 4 bytes; false when
    // nothing in it shows.
    bool unpack(size_t index, std::vector<std::uint8_t>& out) const;

private:
    PackedPicture(unsigned width, unsigned height);
    // Packs the tiles of one band of rows, `band` holding its rows one after another.
    void packBand(unsigned top, const std::vector<std::uint8_t>& band);

    unsigned width_, height_;
    size_t columns_;
    // Empty for a tile in which nothing shows.
    std::vector<std::vector<std::uint8_t>> tiles_;
};
