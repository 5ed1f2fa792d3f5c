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
    // The tiles of pixels in memory: `rowOf(y)` gives row y, width * 4 bytes.
    template <class RowOf>
    static std::shared_ptr<const PackedPicture> of(unsigned width, unsigned height, RowOf rowOf);

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

template <class RowOf>
std::shared_ptr<const PackedPicture> PackedPicture::of(unsigned width, unsigned height, RowOf rowOf) {
    std::shared_ptr<PackedPicture> packed(new PackedPicture(width, height));
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    std::vector<std::uint8_t> band;
    for (unsigned top = 0; top < height; top += kTileSize) {
        const unsigned bottom = std::min<unsigned>(height, top + kTileSize);
        band.resize(rowBytes * (bottom - top));
        for (unsigned y = top; y < bottom; ++y)
            std::copy(rowOf(y), rowOf(y) + rowBytes, band.begin() + static_cast<std::ptrdiff_t>(rowBytes * (y - top)));
        packed->packBand(top, band);
    }
    return packed;
}
