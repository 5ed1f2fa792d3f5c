#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Color {
    std::uint8_t r = 255, g = 255, b = 255, a = 255;
    bool operator==(const Color&) const = default;
};

struct IntRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const IntRect&) const = default;
};

// An RGBA picture kept on the CPU. Game code reads and writes its pixels; the window turns
// it into textures. Every change bumps the revision and grows the dirty rectangle, so the
// window re-uploads only what changed.
class Image {
public:
    Image();
    Image(const Image& other);
    Image& operator=(const Image& other);
    ~Image();

    // Most pixels a loaded picture may have (256 MiB of RGBA): anything larger is refused from
    // its header before a pixel is decoded, so a damaged or hostile file cannot take the
    // memory the game needs. The size read after decoding is checked as well.
    static constexpr std::uint64_t kMaxPixels = 8192ull * 8192ull;

    // Reads PNG, JPEG, BMP, TGA from a regular file (a device or pipe could block or never
    // end). A failure or a refusal leaves the image empty (0 x 0) and returns false.
    bool loadFromFile(const std::string& path);
    bool saveToFile(const std::string& path) const;
    void create(unsigned width, unsigned height, Color fill = Color{0, 0, 0, 0});

    unsigned width() const { return width_; }
    unsigned height() const { return height_; }
    const std::uint8_t* pixels() const { return pixels_.data(); }

    // No bounds check: callers clip first.
    Color pixel(unsigned x, unsigned y) const {
        const std::uint8_t* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
        return Color{p[0], p[1], p[2], p[3]};
    }
    std::uint8_t alpha(unsigned x, unsigned y) const { return pixels_[(static_cast<size_t>(y) * width_ + x) * 4 + 3]; }
    void setPixel(unsigned x, unsigned y, Color c);

    bool smooth() const { return smooth_; }
    void setSmooth(bool smooth);

    // Identity for the window's texture table; a copy gets a new one.
    std::uint64_t id() const { return id_; }
    std::uint64_t revision() const { return revision_; }
    // The area changed since the last call, then forgets it.
    IntRect takeDirty() const;

    // Called with an image's id when it is destroyed or reloaded, so no texture outlives it.
    using ReleaseHook = void (*)(std::uint64_t id);
    static void setReleaseHook(ReleaseHook hook);

private:
    void markAllChanged();

    unsigned width_ = 0, height_ = 0;
    std::vector<std::uint8_t> pixels_;
    bool smooth_ = false;
    std::uint64_t id_;
    std::uint64_t revision_ = 0;
    mutable int dirtyLeft_ = 0, dirtyTop_ = 0, dirtyRight_ = 0, dirtyBottom_ = 0;
};
