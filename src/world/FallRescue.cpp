#include "world/FallRescue.h"

#include <algorithm>

#include "level/Kinds.h"
#include "platform/FilledPixel.h"

FallRescue::FallRescue() : darkImage_(filledPixel(Color{0, 0, 0, 255})) {}

void FallRescue::measure(const ObjectList& list) {
    lowestBottom_.reset();
    for (const auto& o : list) {
        // A record whose picture is missing stops nothing.
        if (!kindRoles(o->kind).solidToBox || o->height <= 0) continue;
        const float bottom = o->y + static_cast<float>(o->height);
        lowestBottom_ = std::max(lowestBottom_.value_or(bottom), bottom);
    }
}

bool FallRescue::update(float playerY, float frameSeconds) {
    if (!elapsed_) {
        // A level where nothing is solid has no depth to measure a fall by.
        if (lowestBottom_ && playerY > *lowestBottom_ + kDepth) elapsed_ = 0.f;
        return false;
    }
    const bool wasLight = *elapsed_ < kFadeSeconds;
    *elapsed_ += frameSeconds;
    const bool back = wasLight && *elapsed_ >= kFadeSeconds;
    if (*elapsed_ >= 2 * kFadeSeconds) elapsed_.reset();
    return back;
}

float FallRescue::darkness() const {
    if (!elapsed_) return 0;
    const float t = *elapsed_ / kFadeSeconds;
    return std::clamp(t < 1 ? t : 2 - t, 0.f, 1.f);
}

void FallRescue::draw(GameWindow& window) {
    const float a = darkness();
    if (a <= 0) return;
    const sf::Vector2f size = window.view().getSize();
    const sf::Vector2f corner = window.view().getCenter() - size / 2.f;
    dark_ = stretchedPixel(darkImage_, corner.x, corner.y, size.x, size.y);
    dark_.color.a = static_cast<std::uint8_t>(a * 255);
    window.draw(dark_);
}
