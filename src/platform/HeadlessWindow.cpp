#include "platform/HeadlessWindow.h"

#include "platform/TimeSource.h"

HeadlessWindow::HeadlessWindow() : view_(sf::FloatRect(0, 0, 1024, 768)) {}

float HeadlessWindow::frameSeconds() const { return static_cast<float>(TimeSource::kFrameSeconds); }

void HeadlessWindow::draw(const Sprite& sprite) {
    if (recordDraws) drawn.push_back(sprite);
}

void HeadlessWindow::recreate(bool full, unsigned) {
    ++recreateCount;
    keptWhole_ = false;
    fullscreen = full;
}
