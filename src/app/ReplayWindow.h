#pragma once

#include "input/InputScript.h"
#include "platform/GameWindow.h"

// A window playing an input script: the window shows and paces the frames, the script is the
// input, and each frame is 1/60 s of game time, so the run is the one torve-sim plays. The
// frame loop moves simulated time on.
class ReplayWindow : public GameWindow {
public:
    ReplayWindow(GameWindow& shown, InputScript script) : shown_(shown), script_(std::move(script)) {}

    bool finished() const { return frame_ >= script_.totalFrames(); }

    const InputState& input() const override { return input_; }
    unsigned width() const override { return shown_.width(); }
    unsigned height() const override { return shown_.height(); }
    const sf::View& view() const override { return shown_.view(); }
    void setView(const sf::View& view) override { shown_.setView(view); }
    float frameSeconds() const override;

    void processEvents() override;
    void clear() override { shown_.clear(); }
    void draw(const Sprite& sprite) override { shown_.draw(sprite); }
    void display() override { shown_.display(); }
    void beginKept(const IntRect& area) override { shown_.beginKept(area); }
    void endKept() override { shown_.endKept(); }
    void scrollKept(int dx, int dy) override { shown_.scrollKept(dx, dy); }
    void drawKept() override { shown_.drawKept(); }
    bool keptWhole() const override { return shown_.keptWhole(); }

    bool isOpen() const override { return shown_.isOpen(); }
    void close() override { shown_.close(); }
    void recreate(bool fullscreen, unsigned frameLimit) override { shown_.recreate(fullscreen, frameLimit); }

private:
    GameWindow& shown_;
    InputScript script_;
    InputState input_;
    long frame_ = 0;
};
