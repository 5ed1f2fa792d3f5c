#include "app/screens/SplashScreen.h"

#include "app/screens/ScreenStack.h"
#include "platform/FilledPixel.h"

namespace {
Image cardPicture() {
    Image image;
    image.loadForDrawing("MossgroveCardOne.jpg");
    image.setSmooth(false);
    return image;
}

// Centred on the logical screen and fully transparent until the fade-in starts.
Sprite hiddenCentredCard(const Image& card) {
    Sprite sprite(&card);
    sprite.setPosition(static_cast<float>(512 - static_cast<int>(card.width() / 2)),
                       static_cast<float>(384 - static_cast<int>(card.height() / 2)));
    fadeAlpha(sprite, -255);
    return sprite;
}
}  // namespace

void fadeAlpha(Sprite& sprite, float step) {
    const float sum = static_cast<float>(sprite.color.a) + step;
    const int alpha = sum > 255 ? 255 : sum < 0 ? 0 : static_cast<int>(sum);
    sprite.color = Color{255, 255, 255, static_cast<std::uint8_t>(alpha)};
}

SplashScreen::SplashScreen()
    : Screen(kState),
      cardImage(cardPicture()),
      card(hiddenCentredCard(cardImage)),
      veilImage(filledPixel(Color{255, 255, 255, 255})),
      veil(stretchedPixel(veilImage, 0, 0, 1024, 768)) {}

void SplashScreen::update(GameWindow& window, ScreenStack& stack) {
    stack.sounds().playMusicFor(Music::Title);
    const float shown = clock_.elapsedSeconds();
    if (stack.controls().holds(Action::Menu) || shown > 5.0f || window.input().button(MouseButton::Left)) stack.close();

    // The fades step per frame, not per second.
    if (shown > 3.5f) fadeAlpha(veil, -3);
    if (shown > 3.0f) fadeAlpha(card, -3);
    else if (shown > 0.4f) fadeAlpha(card, 3);
}

void SplashScreen::draw(GameWindow& window) {
    window.draw(veil);
    window.draw(card);
}
