#pragma once

#include <cstdint>
#include <memory>
#include <string>

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
//
// A copy shares the pixels (and with them the id, the revision and the window's textures)
// with the original until either is first changed; only then does the changed one get an
// identity of its own, and a copy of just the rows it changes. A level of objects showing
// cached pictures holds each picture once, and an erased object little more. Rows with no
// bit set (the gaps of a character sheet) are held once per picture.
class Image {
public:
    // Pixels in memory, shared by the images showing them.
    class Pixels;

    Image() = default;
    Image(const Image&) = default;
    Image& operator=(const Image&) = default;

    // Most pixels a loaded picture may have (256 MiB of RGBA): anything larger is refused from
    // its header before a pixel is decoded, so a damaged or hostile file cannot take the
    // memory the game needs. The size read after decoding is checked as well.
    static constexpr std::uint64_t kMaxPixels = 8192ull * 8192ull;

    // Reads PNG, JPEG, BMP, TGA from a regular file (a device or pipe could block or never
    // end). A failure or a refusal leaves the image empty (0 x 0) and returns false.
    bool loadFromFile(const std::string& path);
    // What loadFromFile reads, on any thread; nothing on a failure or a refusal.
    static std::shared_ptr<Pixels> decode(const std::string& path);
    // A picture that is only ever drawn: its size comes from the file's header and its pixels
    // are decoded only when the window first makes its textures (never, headless). False, and
    // empty, when the header is unreadable or over the limit.
    bool loadForDrawing(const std::string& path);
    bool saveToFile(const std::string& path) const;
    void create(unsigned width, unsigned height, Color fill = Color{0, 0, 0, 0});

    unsigned width() const { return width_; }
    unsigned height() const { return height_; }

    // No bounds check: callers clip first.
    // Row y: width() pixels of RGBA, valid until this image is changed or let go of.
    const std::uint8_t* row(unsigned y) const { return rows_[y]; }
    Color pixel(unsigned x, unsigned y) const {
        const std::uint8_t* p = rows_[y] + static_cast<size_t>(x) * 4;
        return Color{p[0], p[1], p[2], p[3]};
    }
    std::uint8_t alpha(unsigned x, unsigned y) const { return rows_[y][static_cast<size_t>(x) * 4 + 3]; }
    void setPixel(unsigned x, unsigned y, Color c);

    // Same size and every pixel equal.
    bool samePixels(const Image& other) const;

    // Pixels are let go once the window holds them as textures, unless some image showing them
    // reads them. A picture made in memory, or changed, always keeps them.
    void onlyDrawn() const;
    // This image reads its pixels: they are never let go, and are read again now if they were.
    void keepPixels() const;
    // For the window, before an upload: the pixels, read again from their file if they were let go.
    void holdPixels() const;
    // For the window, once the pixels are textures.
    void letPixelsGo() const;
    bool holdsPixels() const;
    // letPixelsGo would keep them: something reads them, or they exist nowhere else.
    bool keepsPixels() const;
    // The file the pixels are read from again once let go; empty for pictures made in memory.
    std::string sourceFile() const;
    // Another image shows these pixels too.
    bool sharedWithOthers() const { return shared_.use_count() > 1; }

    bool smooth() const { return smooth_; }
    void setSmooth(bool smooth) { smooth_ = smooth; }

    // Identity of the pixels for the window's texture table and the terrain masks, never
    // reused: copies share it until one of them is changed. An empty image has 0.
    std::uint64_t id() const;
    std::uint64_t revision() const;
    // The area changed since the last call, then forgets it.
    IntRect takeDirty() const;

    // Called with an id when the last image showing those pixels lets go of them, so no
    // texture outlives them.
    using ReleaseHook = void (*)(std::uint64_t id);
    static void setReleaseHook(ReleaseHook hook);

private:
    // Shows these pixels; nothing empties the image.
    void show(std::shared_ptr<Pixels> pixels);
    // Gives this image an identity of its own before its first change.
    void ownPixels();

    unsigned width_ = 0, height_ = 0;
    std::shared_ptr<Pixels> shared_;
    const std::uint8_t* const* rows_ = nullptr;
    bool smooth_ = false;
};
