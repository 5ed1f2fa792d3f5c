#pragma once

#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

#include "platform/LastDevice.h"
#include "platform/Input.h"
#include "platform/Sprite.h"

// All the game knows of its window: polled input, size, the current view, frame time,
// drawing of sprites, closing and re-creation. SfmlWindow is the real one; HeadlessWindow
// runs the same game code in tests and tools.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // The devices as polled this frame: keys, mouse buttons, the pointer, the pad.
    virtual const InputState& input() const = 0;
    // The pad took the controls last and is still plugged in: its aim is the pointer.
    bool padInUse() const { return lastDevice_.pad(); }

    virtual unsigned width() const = 0;
    virtual unsigned height() const = 0;
    virtual const sf::View& view() const = 0;
    virtual void setView(const sf::View& view) = 0;
    // Window pixel to view coordinates, the same maths as SFML's.
    sf::Vector2f mapPixelToCoords(int px, int py) const;
    sf::Vector2f mapPixelToCoords(int px, int py, const sf::View& view) const;
    // The other way, to the nearest pixel.
    sf::Vector2i mapCoordsToPixel(sf::Vector2f point) const;

    // Seconds the last frame took.
    virtual float frameSeconds() const = 0;

    // Frame rhythm, driven by the frame loop.
    virtual void processEvents() = 0;
    virtual void clear() = 0;
    virtual void draw(const Sprite& sprite) = 0;
    virtual void display() = 0;

    // A picture the window keeps from frame to frame, for what is costly to draw and changes
    // little: drawn whole once, then again only where it changed, and shown whole each frame.
    // Between beginKept and endKept draws go into it, inside `area` (window pixels; empty is
    // the whole window), which is first cleared as clear() clears the window.
    virtual void beginKept(const IntRect& area) = 0;
    virtual void endKept() = 0;
    // Moves the kept picture by whole window pixels; what comes into view is the caller's to
    // draw. It is no longer whole if the move could not be made.
    virtual void scrollKept(int dx, int dy) = 0;
    // Draws the kept picture over the whole window; the view is left as it was.
    virtual void drawKept() = 0;
    // The kept picture was drawn whole, and the window has not been made anew since.
    virtual bool keptWhole() const = 0;

    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // Creates the window anew at its current size, or at its last windowed size when leaving
    // full screen (options screen).
    virtual void recreate(bool fullscreen, unsigned frameLimit) = 0;

protected:
    // By processEvents, once the frame's input is in.
    void noteInput() { lastDevice_.note(input()); }

private:
    // The view's viewport in window pixels.
    sf::IntRect pixelViewport(const sf::View& view) const;

    LastDevice lastDevice_;
};
