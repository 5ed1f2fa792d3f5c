#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "GameProcess.h"
#include "platform/SfmlWindow.h"

namespace {
// Takes the window's events frame by frame until `done` holds (or a few seconds pass).
template <class Condition>
bool framesUntil(SfmlWindow& window, Condition done) {
    for (int i = 0; i < 200; ++i) {
        window.processEvents();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}
}  // namespace

TEST(SfmlWindowInput, QuickClicksAndTapsLastOneFrameAndFocusLossReleasesAll) {
    PrivateDisplay display;
    ASSERT_TRUE(display.ready());
    setenv("DISPLAY", display.name().c_str(), 1);
    SfmlWindow window(400, 300, false);
    window.display();
    const unsigned long id = x11::findWindow(display.name(), "Torve", 10);
    ASSERT_NE(id, 0u);
    const std::string target = " --window " + std::to_string(id);
    x11::xdotool(display.name(), "windowfocus --sync" + target);
    x11::xdotool(display.name(), "mousemove --window " + std::to_string(id) + " 50 60");
    ASSERT_TRUE(framesUntil(window, [&] { return window.input().mouseX == 50 && window.input().mouseY == 60; }));

    // Press and release both arrive before a frame: that frame still sees the button held.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    x11::xdotool(display.name(), "click 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(framesUntil(window, [&] { return window.input().button(MouseButton::Left); }));
    window.processEvents();
    EXPECT_FALSE(window.input().button(MouseButton::Left));

    x11::xdotool(display.name(), "key" + target + " w");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(framesUntil(window, [&] { return window.input().held(sf::Keyboard::W); }));
    window.processEvents();
    EXPECT_FALSE(window.input().held(sf::Keyboard::W));

    // A held key is dropped when the focus goes elsewhere.
    x11::xdotool(display.name(), "keydown" + target + " d");
    ASSERT_TRUE(framesUntil(window, [&] { return window.input().held(sf::Keyboard::D); }));
    x11::xdotool(display.name(), "windowfocus --sync " + std::to_string(x11::rootWindow(display.name())));
    EXPECT_TRUE(framesUntil(window, [&] { return !window.input().held(sf::Keyboard::D); }));
    x11::xdotool(display.name(), "keyup d");
}
