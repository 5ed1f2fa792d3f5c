#pragma once

#include "app/screens/Screen.h"
#include "platform/Image.h"
#include "platform/Sprite.h"
#include "platform/TimeSource.h"

// A question over the dimmed screen that asked it. It ignores presses, from the mouse and the
// keys, for a moment after it appears: longer than a double click, so the click that asked it
// cannot also answer it.
class Question : public Screen {
public:
    static constexpr float kGuardSeconds = 0.4f;

    void update(GameWindow& window, ScreenStack& stack) final;
    void draw(GameWindow& window) final;
    bool overlays() const final { return true; }
    void shown() final { clock_.restart(); }

    Image dimImage;
    Sprite dim;

protected:
    explicit Question(GameState id);
    // Acts on the answers' clicks.
    virtual void answer(GameWindow& window, ScreenStack& stack) = 0;
    bool takesPresses() const final { return clock_.elapsedSeconds() >= kGuardSeconds; }

private:
    GameClock clock_;
};
