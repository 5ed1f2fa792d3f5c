#pragma once

#include <cstdlib>

// A random generator of its own, so games side by side draw apart. For a seed it gives the C
// runtime's rand() sequence, and every pick is `low + draw % span` as the sound picks were made.
class Random {
public:
    explicit Random(unsigned seed = 1);
    // The state lives in the object and the library points into it.
    Random(const Random&) = delete;
    Random& operator=(const Random&) = delete;

    void seed(unsigned seed);
    int between(int low, int high);

private:
    char state_[128] = {};
    random_data data_ = {};
};
