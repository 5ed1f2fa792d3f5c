#include "level/SolidityMask.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The two planes' bits of 64 alpha bytes spaced four apart (one row of RGBA pixels), for
// pixels [0, n).
void maskWords(const std::uint8_t* alpha, unsigned n, std::uint64_t& solid, std::uint64_t& any) {
    solid = any = 0;
    unsigned b = 0;
#if defined(__SSE2__)
    // Sixteen pixels at a time: the alpha bytes gathered into one register and compared there.
    const __m128i lowByte = _mm_set1_epi32(0xFF);
    for (; b + 16 <= n; b += 16) {
        const std::uint8_t* p = alpha - 3 + static_cast<size_t>(b) * 4;
        __m128i q[4];
        for (int i = 0; i < 4; ++i)
            q[i] = _mm_and_si128(_mm_srli_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i)), 24), lowByte);
        const __m128i a = _mm_packus_epi16(_mm_packs_epi32(q[0], q[1]), _mm_packs_epi32(q[2], q[3]));
        const __m128i zero = _mm_setzero_si128();
        // a > 100, and 1 <= a <= 9 as (a - 1) <= 8 in unsigned bytes.
        const __m128i high = _mm_cmpeq_epi8(_mm_max_epu8(a, _mm_set1_epi8(101)), a);
        const __m128i less = _mm_sub_epi8(a, _mm_set1_epi8(1));
        const __m128i faint = _mm_cmpeq_epi8(_mm_min_epu8(less, _mm_set1_epi8(8)), less);
        const auto solidBits = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(high, faint)));
        const auto anyBits = static_cast<unsigned>(~_mm_movemask_epi8(_mm_cmpeq_epi8(a, zero))) & 0xFFFFu;
        solid |= static_cast<std::uint64_t>(solidBits) << b;
        any |= static_cast<std::uint64_t>(anyBits) << b;
    }
#endif
    for (; b < n; ++b) {
        const std::uint8_t a = alpha[static_cast<size_t>(b) * 4];
        solid |= static_cast<std::uint64_t>(SolidityMask::solidForBox(a)) << b;
        any |= static_cast<std::uint64_t>(a != 0) << b;
    }
}

}  // namespace

void SolidityMask::rebuild(const Image& image) {
    const unsigned width = image.width(), height = image.height();
    wordsPerRow_ = static_cast<int>((width + 63) / 64);
    height_ = height;
    bits_.assign(2 * planeSize(), 0);
    for (unsigned y = 0; y < height; ++y) {
        const std::uint8_t* line = image.row(y) + 3;
        for (unsigned x0 = 0; x0 < width; x0 += 64) {
            std::uint64_t solid, any;
            maskWords(line + static_cast<size_t>(x0) * 4, width - x0 < 64 ? width - x0 : 64, solid, any);
            const size_t at = static_cast<size_t>(x0 / 64) * height_ + y;
            bits_[at] = solid;
            bits_[planeSize() + at] = any;
        }
    }
    built_ = true;
    imageId_ = image.id();
    revision_ = image.revision();
}
