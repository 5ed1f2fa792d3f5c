#include "platform/Random.h"

#include <cstdlib>

void seedRandom(unsigned seed) { std::srand(seed); }

int randomInt(int low, int high) { return low + std::rand() % (high - low + 1); }
