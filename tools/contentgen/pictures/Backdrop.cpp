#include "pictures/Backdrop.h"

#include <cmath>

#include "pictures/Noise.h"
#include "pictures/Strokes.h"

namespace backdrop {

float periodic(float x, float period, std::uint32_t seed) {
    float sum = 0, norm = 0;
    for (int k = 1; k <= 5; ++k) {
        const float amp = (0.4f + noise::hash(k, 1, seed)) / k;
        const float phase = 2 * kPi * noise::hash(k, 2, seed);
        sum += amp * std::sin(2 * kPi * k * (k > 2 ? 2 : 1) * x / period + phase);
        norm += amp;
    }
    return sum / norm;
}

void band(Canvas& c, const std::function<float(float)>& lineY, Paint fill, Paint line, std::uint32_t seed) {
    const float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
    Path top;
    for (float x = -40; x <= w + 40; x += 6) top.push_back({x, lineY(x)});
    Path area = top;
    area.push_back({w + 40, h + 4});
    area.push_back({-40, h + 4});
    Mask m(c.width(), c.height());
    m.fill(area);
    c.paint(m, fill, Grain{20, 0.35f, seed});
    strokes::pencil(c, top, 2.0f, line, seed + 1, false);
}

void wrapped(const Canvas& c, float x, float reach, const std::function<void(float)>& draw) {
    const float w = static_cast<float>(c.width());
    draw(x);
    if (x - reach < 0) draw(x + w);
    if (x + reach > w) draw(x - w);
}

}  // namespace backdrop
