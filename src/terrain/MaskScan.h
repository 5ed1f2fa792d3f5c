#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "level/SolidityMask.h"
#include "terrain/BitRow.h"
#include "terrain/ObjectBox.h"

// The scans of one object's SolidityMask behind the pixel queries. They reproduce, from whole
// rows of bits, the record that the pixel-by-pixel rule (columns outer, rows inner, a strictly
// better pixel replaces) leaves and how often it replaced. `Rows` says which columns of a row
// count: all of the clipped range, or a circle's chord of it.
namespace maskscan {

enum class Toward { Nowhere, Down, Up, Right, Left };

// dirY decides before dirX.
inline Toward towardOf(float dirX, float dirY) {
    if (dirY > 0) return Toward::Down;
    if (dirY < 0) return Toward::Up;
    if (dirX > 0) return Toward::Right;
    if (dirX < 0) return Toward::Left;
    return Toward::Nowhere;
}

// What one object contributes: the pixel that ends up recorded from it and how many times it
// replaced the record.
struct Found {
    int j = -1, k = -1, count = 0;
};

// Every column of the clipped range counts in every row (the box rule).
struct WholeRows {
    int j0, jEnd;
    void at(int, int& lo, int& hi) const {
        lo = j0;
        hi = jEnd;
    }
};

// Moving down, up or right, walking the rows suffices:
// - down, the highest pixel wins. Going down the rows, a row's leftmost pixel replaced the
//   record exactly when no earlier column had a pixel in a row above it; the first one found
//   is the one that ends up recorded;
// - up, every pixel lower than all before it replaces, several in one column. Going up the
//   rows, a row's leftmost pixel did so exactly when no earlier column had one in a row below;
// - right, the first pixel read is never beaten: the leftmost column, its top pixel.
template <Toward toward, class Rows>
Found walkRows(const SolidityMask::Rows& mask, const PixelRange& r, Rows rows) {
    constexpr bool up = toward == Toward::Up, right = toward == Toward::Right;
    Found f;
    int limit = r.jEnd;
    for (int n = 0; n < r.kEnd - r.k0 && limit > r.j0; ++n) {
        const int k = up ? r.kEnd - 1 - n : r.k0 + n;
        int lo, hi;
        rows.at(k, lo, hi);
        const int j = bitrow::firstSet(mask[k], lo, std::min(hi, limit));
        if (j < 0) continue;
        if (right || f.count == 0) {
            f.j = j;
            f.k = k;
        }
        f.count = right ? 1 : f.count + 1;
        limit = up ? j + 1 : j;
    }
    return f;
}

// Moving left every column with a pixel replaces once, with its top pixel; the rightmost such
// column ends up recorded.
template <class Rows>
Found scanLeft(const SolidityMask::Rows& mask, const PixelRange& r, Rows rows) {
    Found f;
    constexpr int kBlock = 64;  // words of columns gathered at a time
    const int firstWord = r.j0 / 64, lastWord = (r.jEnd - 1) / 64;
    for (int block = firstWord; block <= lastWord; block += kBlock) {
        const int blockEnd = std::min(lastWord + 1, block + kBlock);
        std::uint64_t columns[kBlock];
        std::fill(columns, columns + (blockEnd - block), 0);
        for (int k = r.k0; k < r.kEnd; ++k) {
            int lo, hi;
            rows.at(k, lo, hi);
            lo = std::max(lo, block * 64);
            hi = std::min(hi, blockEnd * 64);
            if (lo >= hi) continue;
            const SolidityMask::Row row = mask[k];
            for (int i = lo / 64; i <= (hi - 1) / 64; ++i) columns[i - block] |= row[i] & bitrow::spanOfWord(i, lo, hi);
        }
        for (int i = block; i < blockEnd; ++i) {
            const std::uint64_t w = columns[i - block];
            if (!w) continue;
            f.count += std::popcount(w);
            f.j = i * 64 + 63 - std::countl_zero(w);
        }
    }
    if (f.count == 0) return f;
    for (int k = r.k0; k < r.kEnd; ++k) {
        int lo, hi;
        rows.at(k, lo, hi);
        if (f.j >= lo && f.j < hi && bitrow::test(mask[k], f.j)) {
            f.k = k;
            break;
        }
    }
    return f;
}

// The scan for the direction of motion; no direction finds nothing.
template <class Rows>
Found scanMask(const SolidityMask::Rows& mask, const PixelRange& r, Toward toward, Rows rows) {
    switch (toward) {
        case Toward::Down: return walkRows<Toward::Down>(mask, r, rows);
        case Toward::Up: return walkRows<Toward::Up>(mask, r, rows);
        case Toward::Right: return walkRows<Toward::Right>(mask, r, rows);
        case Toward::Left: return scanLeft(mask, r, rows);
        case Toward::Nowhere: break;
    }
    return Found{};
}

}  // namespace maskscan
