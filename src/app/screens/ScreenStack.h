#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/screens/Screen.h"
#include "audio/SoundBank.h"
#include "input/ControlReader.h"

// The screens shown, one over another: a screen opened on top returns to the one beneath
// when it closes. Changes asked for during a frame each start from the stack as the frame
// found it, so when two come in one frame the later one wins.
class ScreenStack {
public:
    // The screens play their music and rings through `sounds`.
    explicit ScreenStack(SoundBank& sounds) : sounds_(sounds) {}

    // Every screen the game can show, made once.
    void add(std::unique_ptr<Screen> screen);
    template <class S>
    S& get() {
        return static_cast<S&>(find(S::kState));
    }
    template <class S>
    const S& get() const {
        return static_cast<const S&>(find(S::kState));
    }

    void open(GameState id);
    // Back to the screen beneath the top one.
    void close();
    // Only this screen, with nothing to return to.
    void restart(GameState id);

    GameState top() const { return shown_.back()->id(); }
    // The screen `screen` was opened over; nothing when it is not on the stack or at its foot.
    std::optional<GameState> beneath(const Screen& screen) const;

    void update(GameWindow& window, const ControlReader& reader);
    // What the player asks for in this frame, as the menus read it.
    const Controls& controls() const { return controls_; }
    SoundBank& sounds() const { return sounds_; }
    // The top screen, over the screens it overlays.
    void draw(GameWindow& window);

private:
    Screen& find(GameState id) const;
    void change(std::vector<Screen*> next);

    SoundBank& sounds_;
    std::vector<std::unique_ptr<Screen>> screens_;
    std::vector<Screen*> shown_;
    // The stack as this frame's update found it; empty outside an update.
    std::vector<Screen*> found_;
    Controls controls_;
    // The left button as this frame's update found it.
    bool leftDown_ = false;
    // The menu inputs held at the last update, so that only fresh presses act.
    menuControls::MenuInputs menuInputsBefore_;
};
