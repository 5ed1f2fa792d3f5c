#pragma once

// A box in whole level pixels, as the rules pass it to the pixel questions: positions are
// truncated toward zero by whoever makes one.
struct Box {
    int x, y, w, h;
};
