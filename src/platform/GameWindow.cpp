#include "platform/GameWindow.h"

#include <cmath>

sf::Vector2f GameWindow::mapPixelToCoords(int px, int py) const { return mapPixelToCoords(px, py, view()); }

sf::Vector2f GameWindow::mapPixelToCoords(int px, int py, const sf::View& v) const {
    const sf::IntRect viewport = pixelViewport(v);
    sf::Vector2f normalized;
    normalized.x = -1.f + 2.f * (static_cast<float>(px) - static_cast<float>(viewport.left)) / static_cast<float>(viewport.width);
    normalized.y = 1.f - 2.f * (static_cast<float>(py) - static_cast<float>(viewport.top)) / static_cast<float>(viewport.height);
    return v.getInverseTransform().transformPoint(normalized);
}

sf::Vector2i GameWindow::mapCoordsToPixel(sf::Vector2f point) const {
    const sf::IntRect viewport = pixelViewport(view());
    const sf::Vector2f normalized = view().getTransform().transformPoint(point);
    return sf::Vector2i(
        static_cast<int>(std::lround((normalized.x + 1.f) / 2.f * static_cast<float>(viewport.width) + static_cast<float>(viewport.left))),
        static_cast<int>(std::lround((1.f - normalized.y) / 2.f * static_cast<float>(viewport.height) + static_cast<float>(viewport.top))));
}

sf::IntRect GameWindow::pixelViewport(const sf::View& v) const {
    const float w = static_cast<float>(width()), h = static_cast<float>(height());
    const sf::FloatRect& vp = v.getViewport();
    return sf::IntRect(static_cast<int>(0.5f + w * vp.left), static_cast<int>(0.5f + h * vp.top),
                       static_cast<int>(0.5f + w * vp.width), static_cast<int>(0.5f + h * vp.height));
}
