#pragma once

#include "app/screens/Screen.h"
#include "platform/Image.h"
#include "platform/Sprite.h"
#include "platform/TimeSource.h"

// Adds `step` to the sprite's alpha, clamped to 0..255, and resets its colour to white.
void fadeAlpha(Sprite& sprite, float step);

// The card laid over the main menu at the start, behind a white veil: it fades in and out and
// lifts after five seconds, or at once for Escape or the mouse.
class SplashScreen : public Screen {
public:
    static constexpr GameState kState = GameState::SplashCard;
    // The clock starts once the card is loaded.
    SplashScreen();

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;
    bool overlays() const override { return true; }

    Image cardImage;
    Sprite card;
    Image veilImage;
    Sprite veil;

private:
    GameClock clock_;
};
