#include "Reverb.h"

namespace {
const int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
const int kAllpasses[] = {556, 441, 341, 225};
const int kSpread = 23;
}  // namespace

Reverb::Reverb(float roomSize, float damping) : feedback_(0.7f + 0.28f * roomSize), damping_(damping) {
    for (int side = 0; side < 2; ++side) {
        Channel& c = side == 0 ? left_ : right_;
        for (int d : kCombs) c.combs.emplace_back(static_cast<std::size_t>(d + side * kSpread), 0.0f);
        for (int d : kAllpasses) c.allpasses.emplace_back(static_cast<std::size_t>(d + side * kSpread), 0.0f);
        c.combStore.assign(c.combs.size(), 0.0f);
        c.combAt.assign(c.combs.size(), 0);
        c.allpassAt.assign(c.allpasses.size(), 0);
    }
}

float Reverb::process(Channel& c, float x) {
    float sum = 0.0f;
    const float input = x * 0.015f;
    for (std::size_t i = 0; i < c.combs.size(); ++i) {
        float& cell = c.combs[i][c.combAt[i]];
        if (++c.combAt[i] == c.combs[i].size()) c.combAt[i] = 0;
        const float out = cell;
        c.combStore[i] = out * (1.0f - damping_) + c.combStore[i] * damping_;
        cell = input + c.combStore[i] * feedback_;
        sum += out;
    }
    for (std::size_t i = 0; i < c.allpasses.size(); ++i) {
        float& cell = c.allpasses[i][c.allpassAt[i]];
        if (++c.allpassAt[i] == c.allpasses[i].size()) c.allpassAt[i] = 0;
        const float buffered = cell;
        cell = sum + buffered * 0.5f;
        sum = buffered - sum;
    }
    return sum;
}

void Reverb::run(Channel& c, Signal& s, float wet, bool write) {
    for (float& x : s) {
        const float room = process(c, x);
        if (write) x += wet * room;
    }
}

void Reverb::apply(Stereo& s, float wet, bool loop) {
    if (loop) {
        run(left_, s.left, wet, false);
        run(right_, s.right, wet, false);
    }
    run(left_, s.left, wet, true);
    run(right_, s.right, wet, true);
}
