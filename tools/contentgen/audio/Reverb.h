#pragma once

#include <vector>

#include "Signal.h"

// A small stereo room (parallel damped combs into allpasses), enough to seat the dry notes.
class Reverb {
public:
    Reverb(float roomSize, float damping);
    // Mixes `wet` of the room into `s`. For a loop, the room first hears the loop once so that
    // its tail from the end rings on into the start.
    void apply(Stereo& s, float wet, bool loop);

private:
    struct Channel {
        std::vector<std::vector<float>> combs;
        std::vector<float> combStore;
        std::vector<std::vector<float>> allpasses;
        std::vector<std::size_t> combAt;
        std::vector<std::size_t> allpassAt;
    };
    float process(Channel& c, float x);
    void run(Channel& c, Signal& s, float wet, bool write);

    float feedback_;
    float damping_;
    Channel left_;
    Channel right_;
};
