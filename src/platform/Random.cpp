#include "platform/Random.h"

#include <cstdint>

// 128 bytes of state is the size rand() itself keeps, hence the same sequence.
Random::Random(unsigned seed) { initstate_r(seed, state_, sizeof state_, &data_); }

void Random::seed(unsigned seed) { srandom_r(seed, &data_); }

int Random::between(int low, int high) {
    int32_t draw = 0;
    random_r(&data_, &draw);
    return low + draw % (high - low + 1);
}
