#pragma once

#include <bit>
#include <cstdint>

// Helpers for rows of a SolidityMask: bit x of a row is word x / 64, bit x % 64.
namespace bitrow {

// The bits of word `i` that lie in columns [lo, hi).
inline std::uint64_t spanOfWord(int i, int lo, int hi) {
    const int first = i * 64;
    const int from = lo > first ? lo - first : 0, to = hi < first + 64 ? hi - first : 64;
    if (from >= to) return 0;
    const std::uint64_t upTo = to == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << to) - 1;
    return upTo & (~std::uint64_t{0} << from);
}

// The first set column in [lo, hi), or -1.
inline int firstSet(const std::uint64_t* row, int lo, int hi) {
    if (lo >= hi) return -1;
    const int last = (hi - 1) / 64;
    for (int i = lo / 64; i <= last; ++i) {
        const std::uint64_t w = row[i] & spanOfWord(i, lo, hi);
        if (w) return i * 64 + std::countr_zero(w);
    }
    return -1;
}

inline bool test(const std::uint64_t* row, int x) { return (row[x / 64] >> (x % 64)) & 1; }

}  // namespace bitrow
