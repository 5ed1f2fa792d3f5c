#pragma once

#include <cstdint>
#include <vector>

#include "platform/Image.h"

// One bit a pixel of a level object's picture in two planes: pixels solid for the box rule and
// pixels with any alpha at all (the circle and eraser rule). The queries read 64 pixels at a
// time from it instead of one alpha byte. A plane is kept in strips 64 pixels wide, each strip
// one 64-bit word per row, top to bottom: the rows of a box lie next to each other in memory.
//
// It is a cache of the picture and is stamped with the picture's identity and revision.
// Writes made through a `Writer` keep it in step; a picture changed any other way (reloaded,
// reassigned, a pixel set directly) no longer matches the stamp, and `sync` rebuilds the
// mask before it is read again. It can therefore lag behind, but never answer for pixels
// the picture no longer has.
class SolidityMask {
public:
    enum Plane { BoxSolid = 0, AnyAlpha = 1 };

    // Alpha 1..9 is invisible but solid; 10..100 is visible but not (the eraser's faded rim).
    static bool solidForBox(std::uint8_t a) { return a > 100 || (a >= 1 && a <= 9); }

    // Rebuilds the mask unless it already describes the picture as it is now.
    void sync(const Image& image) {
        if (!matches(image)) rebuild(image);
    }

    // Sets pixels of a picture and, if the mask was in step with it when the writer was made,
    // keeps it so. Nothing else may write the picture while a writer lives.
    class Writer {
    public:
        Writer(SolidityMask& mask, Image& image) : mask_(mask), image_(image), inStep_(mask.matches(image)) {}
        // The first write may have given the picture pixels of its own: a new id, same pixels.
        ~Writer() {
            if (!inStep_) return;
            mask_.imageId_ = image_.id();
            mask_.revision_ = image_.revision();
        }
        Writer(const Writer&) = delete;
        Writer& operator=(const Writer&) = delete;

        void set(unsigned x, unsigned y, Color c) {
            image_.setPixel(x, y, c);
            if (!inStep_) return;
            mask_.setBit(BoxSolid, x, y, solidForBox(c.a));
            mask_.setBit(AnyAlpha, x, y, c.a != 0);
        }

    private:
        SolidityMask& mask_;
        Image& image_;
        bool inStep_;
    };

    // One row of a plane: bit x % 64 of word x / 64 is pixel x.
    struct Row {
        const std::uint64_t* first;
        size_t stride;
        std::uint64_t operator[](int i) const { return first[static_cast<size_t>(i) * stride]; }
    };
    // All rows of one plane.
    struct Rows {
        const std::uint64_t* strips;
        size_t height;
        Row operator[](int y) const { return Row{strips + y, height}; }
    };
    // A plane's rows. Only after `sync`.
    Rows rows(Plane plane) const { return Rows{bits_.data() + static_cast<size_t>(plane) * planeSize(), height_}; }
    Row row(Plane plane, int y) const { return rows(plane)[y]; }

private:
    void rebuild(const Image& image);
    bool matches(const Image& image) const {
        return built_ && image.id() == imageId_ && image.revision() == revision_;
    }
    void setBit(Plane plane, unsigned x, unsigned y, bool on) {
        std::uint64_t& word = bits_[static_cast<size_t>(plane) * planeSize() + static_cast<size_t>(x / 64) * height_ + y];
        const std::uint64_t bit = std::uint64_t{1} << (x % 64);
        word = on ? word | bit : word & ~bit;
    }
    size_t planeSize() const { return static_cast<size_t>(wordsPerRow_) * height_; }

    bool built_ = false;
    std::uint64_t imageId_ = 0, revision_ = 0;
    int wordsPerRow_ = 0;
    size_t height_ = 0;
    std::vector<std::uint64_t> bits_;
};
