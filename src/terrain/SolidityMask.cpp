#include "terrain/SolidityMask.h"

void SolidityMask::sync(const Image& image) {
    if (matches(image)) return;
    const unsigned width = image.width(), height = image.height();
    wordsPerRow_ = static_cast<int>((width + 63) / 64);
    bits_.assign(static_cast<size_t>(height) * 2 * static_cast<size_t>(wordsPerRow_), 0);
    const std::uint8_t* alpha = image.pixels() + 3;
    for (unsigned y = 0; y < height; ++y) {
        const std::uint8_t* line = alpha + static_cast<size_t>(y) * width * 4;
        std::uint64_t* box = &bits_[static_cast<size_t>(y) * 2 * static_cast<size_t>(wordsPerRow_)];
        std::uint64_t* any = box + wordsPerRow_;
        for (unsigned x0 = 0; x0 < width; x0 += 64) {
            const unsigned n = width - x0 < 64 ? width - x0 : 64;
            std::uint64_t solidBits = 0, anyBits = 0;
            for (unsigned b = 0; b < n; ++b) {
                const std::uint8_t a = line[static_cast<size_t>(x0 + b) * 4];
                solidBits |= static_cast<std::uint64_t>(solidForBox(a)) << b;
                anyBits |= static_cast<std::uint64_t>(a != 0) << b;
            }
            box[x0 / 64] = solidBits;
            any[x0 / 64] = anyBits;
        }
    }
    built_ = true;
    imageId_ = image.id();
    revision_ = image.revision();
}

void SolidityMask::write(Image& image, unsigned x, unsigned y, Color c) {
    const bool inStep = matches(image);
    image.setPixel(x, y, c);
    if (!inStep) return;
    setBit(BoxSolid, x, y, solidForBox(c.a));
    setBit(AnyAlpha, x, y, c.a != 0);
    revision_ = image.revision();
}

void SolidityMask::setBit(Plane plane, unsigned x, unsigned y, bool on) {
    std::uint64_t& word = bits_[(static_cast<size_t>(y) * 2 + plane) * static_cast<size_t>(wordsPerRow_) + x / 64];
    const std::uint64_t bit = std::uint64_t{1} << (x % 64);
    word = on ? word | bit : word & ~bit;
}
