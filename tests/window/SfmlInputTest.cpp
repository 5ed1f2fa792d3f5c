#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "GameProcess.h"
#include "platform/SfmlWindow.h"

namespace {
// Lets the X server deliver what xdotool sent, then takes the window's events.
void pump(SfmlWindow& window) {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    window.processEvents();
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
    pump(window);

    // Press and release both arrive before the frame: the frame still sees the button held.
    x11::xdotool(display.name(), "click 1");
    pump(window);
    EXPECT_TRUE(window.isMouseButtonDown(MouseButton::Left));
    EXPECT_EQ(window.mouseX(), 50);
    EXPECT_EQ(window.mouseY(), 60);
    window.processEvents();
    EXPECT_FALSE(window.isMouseButtonDown(MouseButton::Left));

    x11::xdotool(display.name(), "key" + target + " w");
    pump(window);
    EXPECT_TRUE(window.isKeyDown(Key::W));
    window.processEvents();
    EXPECT_FALSE(window.isKeyDown(Key::W));

    // A held key is dropped when the focus goes elsewhere.
    x11::xdotool(display.name(), "keydown" + target + " d");
    pump(window);
    EXPECT_TRUE(window.isKeyDown(Key::D));
    x11::xdotool(display.name(), "windowfocus --sync " + std::to_string(x11::rootWindow(display.name())));
    pump(window);
    EXPECT_FALSE(window.isKeyDown(Key::D));
    x11::xdotool(display.name(), "keyup d");
}
