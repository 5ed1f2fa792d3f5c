#include "platform/PictureHeader.h"

#include <cstring>
#include <fstream>
#include <vector>

namespace {
constexpr size_t kHeaderBytes = 96;  // enough for every fixed header below

std::uint32_t number(const std::vector<unsigned char>& head, size_t at, int bytes, bool bigEndian) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(head[at + static_cast<size_t>(i)]) << (8 * (bigEndian ? bytes - 1 - i : i));
    return value;
}

bool startsWith(const std::vector<unsigned char>& head, const char* magic, size_t length) {
    return head.size() >= length && std::memcmp(head.data(), magic, length) == 0;
}

// Formats whose size sits at fixed places after a signature.
struct FixedHeader {
    const char* magic;
    size_t magicLength;
    size_t widthAt, heightAt;
    int bytes;
    bool bigEndian;
};
constexpr FixedHeader kFixedHeaders[] = {
    {"\x89PNG\r\n\x1a\n", 8, 16, 20, 4, true},  // the IHDR chunk comes first
    {"GIF8", 4, 6, 8, 2, false},
    {"8BPS", 4, 18, 14, 4, true},
    {"\x53\x80\xF6\x34", 4, 88, 90, 2, true},
};

std::optional<PictureSize> bmpSize(const std::vector<unsigned char>& head) {
    if (head.size() < 26) return std::nullopt;
    // The oldest header holds 16-bit sizes; the later ones signed 32-bit, a negative height
    // meaning rows from the top.
    if (number(head, 14, 4, false) == 12) return PictureSize{number(head, 18, 2, false), number(head, 20, 2, false)};
    const auto height = static_cast<std::int32_t>(number(head, 22, 4, false));
    const std::uint32_t rows = height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
    return PictureSize{number(head, 18, 4, false), rows};
}

// Where a JPEG's first segment starts, or 0 when the file is none. The decoder takes any
// number of 0xFF bytes before the start marker.
size_t jpegStart(const std::vector<unsigned char>& head) {
    if (head.empty() || head[0] != 0xFF) return 0;
    size_t at = 1;
    while (at < head.size() && head[at] == 0xFF) ++at;
    return at < head.size() && head[at] == 0xD8 ? at + 1 : 0;
}

// Walks the marker segments to the first start-of-frame, which holds the size; stray bytes
// between segments are skipped, as the decoder does. A file that ends before a frame is
// refused: the decoder can spin for minutes on one whose segment runs past the end.
std::optional<PictureSize> jpegSize(std::istream& in, size_t start) {
    in.seekg(static_cast<std::streamoff>(start));
    for (;;) {
        int c = in.get();
        while (c != EOF && c != 0xFF) c = in.get();
        while (c == 0xFF) c = in.get();
        if (c == EOF || c == 0xD9 || c == 0xDA) return std::nullopt;  // ended, or a scan before any frame
        if (c == 0xD8 || c == 0x01 || (c >= 0xD0 && c <= 0xD7)) continue;    // markers without a length
        unsigned char segment[7];
        if (!in.read(reinterpret_cast<char*>(segment), 2)) return std::nullopt;
        const int length = segment[0] << 8 | segment[1];
        const bool frame = c >= 0xC0 && c <= 0xCF && c != 0xC4 && c != 0xC8 && c != 0xCC;
        if (frame) {
            if (!in.read(reinterpret_cast<char*>(segment + 2), 5)) return std::nullopt;
            return PictureSize{static_cast<std::uint32_t>(segment[5] << 8 | segment[6]),
                               static_cast<std::uint32_t>(segment[3] << 8 | segment[4])};
        }
        if (length < 2 || !in.seekg(length - 2, std::ios::cur)) return std::nullopt;
    }
}

// The decoder reserves a chunk's whole declared length before reading it, so a few bytes
// claiming gigabytes would cost that much memory before the file is found to be short.
bool pngChunksFit(std::istream& in) {
    in.seekg(0, std::ios::end);
    const std::uint64_t size = static_cast<std::uint64_t>(in.tellg());
    std::uint64_t at = 8;
    std::vector<unsigned char> chunk(8);
    while (size - at >= 8) {
        in.seekg(static_cast<std::streamoff>(at));
        if (!in.read(reinterpret_cast<char*>(chunk.data()), 8)) return false;
        const std::uint64_t length = number(chunk, 0, 4, true);
        if (length > size - at - 8) return false;
        if (std::memcmp(chunk.data() + 4, "IEND", 4) == 0) break;
        at += 12 + length;
        if (at > size) break;
    }
    return true;
}
}  // namespace

std::optional<PictureSize> declaredPictureSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> head(kHeaderBytes);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    in.clear();

    if (const size_t start = jpegStart(head)) return jpegSize(in, start);
    if (startsWith(head, "BM", 2)) return bmpSize(head);
    if (startsWith(head, "#?", 2)) return std::nullopt;
    for (const FixedHeader& format : kFixedHeaders) {
        if (!startsWith(head, format.magic, format.magicLength)) continue;
        if (head.size() < format.heightAt + format.bytes || head.size() < format.widthAt + format.bytes)
            return std::nullopt;
        if (format.magic == kFixedHeaders[0].magic && !pngChunksFit(in)) return std::nullopt;
        return PictureSize{number(head, format.widthAt, format.bytes, format.bigEndian),
                           number(head, format.heightAt, format.bytes, format.bigEndian)};
    }
    if (head.size() < 18) return std::nullopt;
    return PictureSize{number(head, 12, 2, false), number(head, 14, 2, false)};  // TGA
}
