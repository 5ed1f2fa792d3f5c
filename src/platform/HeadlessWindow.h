#pragma once

#include <vector>

#include "platform/GameWindow.h"

// A 1024 x 768 window that exists only in memory: input is set by the caller, drawing
// records the sprites of the current frame when asked to and shows nothing.
class HeadlessWindow : public GameWindow {
public:
    HeadlessWindow();

    InputState& scriptedInput() { return input_; }
    const InputState& input() const override { return input_; }
    unsigned width() const override { return 1024; }
    unsigned height() const override { return 768; }
    const sf::View& view() const override { return view_; }
    void setView(const sf::View& view) override { view_ = view; }
    float frameSeconds() const override;

    void processEvents() override { noteInput(); }
    void clear() override { drawn.clear(); }
    void draw(const Sprite& sprite) override;
    void display() override {}
    // Draws into the kept picture are recorded as any others; it shows nothing.
    void beginKept(const IntRect& area) override { keptWhole_ = keptWhole_ || area.empty(); }
    void endKept() override {}
    void scrollKept(int, int) override {}
    void drawKept() override {}
    bool keptWhole() const override { return keptWhole_; }

    bool isOpen() const override { return open_; }
    void close() override { open_ = false; }
    void recreate(bool fullscreen, unsigned frameLimit) override;

    // Sprites drawn since the last clear(), in order, when recordDraws is on.
    bool recordDraws = false;
    std::vector<Sprite> drawn;
    int recreateCount = 0;
    bool fullscreen = false;

private:
    InputState input_;
    sf::View view_;
    bool open_ = true;
    bool keptWhole_ = false;
};
