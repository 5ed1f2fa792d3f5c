#include "platform/PackedPicture.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "platform/Image.h"

namespace {
struct PngFile {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngFile() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (file) std::fclose(file);
    }
};

void quietly(png_structp, png_const_charp) {}

// libpng leaves by longjmp on a damaged file, so everything that must be cleaned up lives
// in the caller; false on any failure.
bool readHeader(PngFile& f, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(f.png))) return false;
    png_init_io(f.png, f.file);
    png_read_info(f.png, f.info);
    int depth = 0, colour = 0, interlace = 0;
    png_get_IHDR(f.png, f.info, &width, &height, &depth, &colour, &interlace, nullptr, nullptr);
    return depth == 8 && colour == PNG_COLOR_TYPE_RGBA && interlace == PNG_INTERLACE_NONE &&
           !png_get_valid(f.png, f.info, PNG_INFO_tRNS);
}

bool readRows(PngFile& f, png_bytep* rows, unsigned count) {
    if (setjmp(png_jmpbuf(f.png))) return false;
    png_read_rows(f.png, rows, nullptr, count);
    return true;
}
}  // namespace

PackedPicture::PackedPicture(unsigned width, unsigned height)
    : width_(width), height_(height), columns_((width + kTileSize - 1) / kTileSize) {
    tiles_.resize(columns_ * ((height + kTileSize - 1) / kTileSize));
}

std::shared_ptr<const PackedPicture> PackedPicture::read(const std::string& file) {
    PngFile f;
    f.file = std::fopen(file.c_str(), "rb");
    if (!f.file) return nullptr;
    png_byte signature[8];
    if (std::fread(signature, 1, 8, f.file) != 8 || png_sig_cmp(signature, 0, 8) != 0) return nullptr;
    f.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietly, quietly);
    if (!f.png) return nullptr;
    f.info = png_create_info_struct(f.png);
    if (!f.info) return nullptr;
    png_set_sig_bytes(f.png, 8);
    png_uint_32 width = 0, height = 0;
    // libpng refuses a picture without width or height itself.
    if (!readHeader(f, width, height) || static_cast<std::uint64_t>(width) * height > Image::kMaxPixels)
        return nullptr;
    std::shared_ptr<PackedPicture> packed(new PackedPicture(width, height));
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    std::vector<std::uint8_t> band;
    std::vector<png_bytep> rows;
    for (unsigned top = 0; top < height; top += kTileSize) {
        const unsigned count = std::min<unsigned>(height - top, kTileSize);
        band.assign(rowBytes * count, 0);
        rows.resize(count);
        for (unsigned y = 0; y < count; ++y) rows[y] = band.data() + rowBytes * y;
        if (!readRows(f, rows.data(), count)) return nullptr;
        packed->packBand(top, band);
    }
    return packed;
}

void PackedPicture::packBand(unsigned top, const std::vector<std::uint8_t>& band) {
    const size_t rowBytes = static_cast<size_t>(width_) * 4;
    const size_t rows = band.size() / rowBytes;
    std::vector<std::uint8_t> tile;
    for (size_t c = 0; c < columns_; ++c) {
        const size_t left = c * kTileSize * 4, bytes = std::min<size_t>(rowBytes - left, kTileSize * 4);
        tile.resize(bytes * rows);
        bool seen = false;
        for (size_t y = 0; y < rows; ++y) {
            const std::uint8_t* from = band.data() + rowBytes * y + left;
            std::memcpy(tile.data() + bytes * y, from, bytes);
            for (size_t a = 3; !seen && a < bytes; a += 4) seen = from[a] != 0;
        }
        if (!seen) continue;
        std::vector<std::uint8_t>& out = tiles_[(top / kTileSize) * columns_ + c];
        // The fastest level: a sheet's tiles are mostly clear and shrink twentyfold anyway.
        uLongf size = compressBound(static_cast<uLong>(tile.size()));
        out.resize(size);
        if (compress2(out.data(), &size, tile.data(), static_cast<uLong>(tile.size()), 1) != Z_OK) size = 0;
        out.resize(size);
        out.shrink_to_fit();
    }
}

bool PackedPicture::unpack(size_t index, std::vector<std::uint8_t>& out) const {
    const std::vector<std::uint8_t>& packed = tiles_[index];
    if (packed.empty()) return false;
    const size_t column = index % columns_, row = index / columns_;
    const size_t w = std::min<size_t>(width_ - column * kTileSize, kTileSize);
    const size_t h = std::min<size_t>(height_ - row * kTileSize, kTileSize);
    out.resize(w * h * 4);
    uLongf size = static_cast<uLongf>(out.size());
    return uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size())) == Z_OK && size == out.size();
}
