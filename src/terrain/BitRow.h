#pragma once

#include <bit>
#include <cstdint>

#include "level/SolidityMask.h"

// Helpers for rows of a SolidityMask: bit x % 64 of word x / 64 is pixel x.
namespace bitrow {

using Row = SolidityMask::Row;

// The bits of word `i` that lie in columns [lo, hi).
inline std::uint64_t spanOfWord(int i, int lo, int hi) {
    const int first = i * 64;
    const int from = lo > first ? lo - first : 0, to = hi < first + 64 ? hi - first : 64;
    if (from >= to) return 0;
    const std::uint64_t upTo = to == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << to) - 1;
    return upTo & (~std::uint64_t{0} << from);
}

// The first set column in [lo, hi), or -1.
inline int firstSet(const Row& row, int lo, int hi) {
    if (lo >= hi) return -1;
    int i = lo / 64;
    const int last = (hi - 1) / 64;
    std::uint64_t w = row[i] & (~std::uint64_t{0} << (lo % 64));
    for (; i < last; w = row[++i])
        if (w) return i * 64 + std::countr_zero(w);
    w &= ~std::uint64_t{0} >> (63 - (hi - 1) % 64);
    return w ? i * 64 + std::countr_zero(w) : -1;
}

inline bool test(const Row& row, int x) { return (row[x / 64] >> (x % 64)) & 1; }

}  // namespace bitrow
