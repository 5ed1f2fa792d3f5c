#pragma once

#include <algorithm>
#include <cstdlib>

#include "terrain/Collision.h"

// The columns of each row of a picture that lie nearer than `radius` (approxDistance) to a
// centre given in the picture's own pixel coordinates. Distance grows with |dx| in every row,
// so they form one run around the centre column. The half-width starts from the previous
// row's, so walking the rows in order costs a few distance evaluations a row.
class DiscChords {
public:
    // Only columns [j0, jEnd) are of interest.
    DiscChords(long long centreX, long long centreY, long long radius, int j0, int jEnd)
        : cx_(centreX), cy_(centreY), radius_(radius), j0_(j0), jEnd_(jEnd),
          reach_(std::max(std::llabs(centreX - j0), std::llabs(centreX - (jEnd - 1)))) {}

    // Columns [lo, hi) of row k inside the circle (lo >= hi when none).
    void at(int k, int& lo, int& hi) {
        const long long dy = std::llabs(k - cy_);
        long long w = std::min(half_, reach_);
        while (w < reach_ && inside(w + 1, dy)) ++w;
        while (w >= 0 && !inside(w, dy)) --w;
        half_ = w;
        lo = static_cast<int>(std::max<long long>(j0_, cx_ - w));
        hi = static_cast<int>(std::min<long long>(jEnd_, cx_ + w + 1));
    }

private:
    bool inside(long long dx, long long dy) const {
        return approxDistance(static_cast<float>(dx), static_cast<float>(dy)) < radius_;
    }

    long long cx_, cy_;
    long long radius_;
    int j0_, jEnd_;
    long long reach_;
    long long half_ = -1;
};
