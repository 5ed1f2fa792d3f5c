#include <array>
#include <functional>

#include "input/ControlReader.h"
#include "WorldFixture.h"
#include "player/LevelBuilder.h"

// A gamepad through the window seam: plugged in and pulled out mid-level, aiming the throw.
class PadPlay : public WorldFixture {
protected:
    // A long ink floor; the player lands on it (top at 500) from the start (500, -300).
    World& land() {
        dir.write("config.ini", kPlayerConfig);
        picture("floor.png", 4000, 50);
        picture("reticle.png", 30, 20);
        World& w = play("0 500 floor.png 3\n");
        window.recordDraws = true;
        frames(w, 120);
        return w;
    }
    void frames(World& w, int count) {
        for (int i = 0; i < count; ++i) {
            TimeSource::advanceFrame();
            window.processEvents();
            window.clear();
            w.update(window, ControlReader());
            w.draw(window);
        }
    }
    // The centre of the reticle as drawn in the last frame: the aim point.
    std::optional<sf::Vector2f> reticle(const World& w) const {
        for (const Sprite& s : window.drawn)
            if (s.image == &w.reticleImage)
                return sf::Vector2f(s.x + static_cast<float>(s.image->width()) / 2,
                                    s.y + static_cast<float>(s.image->height()) / 2);
        return std::nullopt;
    }
    InputState& input() { return window.scriptedInput(); }
};

TEST_F(PadPlay, APadPluggedInAndPulledOutMidLevelRunsExactlyAsTheKeyDoes) {
    // Three stretches of 30 frames: right held, nothing held, right held again; where the
    // player is and whether the reticle shows at the end of each.
    struct Stretch {
        float x;
        bool reticle;
        bool operator==(const Stretch&) const = default;
    };
    using Trace = std::array<Stretch, 3>;
    const auto play = [&](const std::function<void(bool)>& holdRight) {
        World& w = land();
        Trace trace{};
        for (size_t stretch = 0; stretch < 3; ++stretch) {
            holdRight(stretch != 1);
            frames(w, 30);
            trace[stretch] = {w.player.x, reticle(w).has_value()};
        }
        return trace;
    };
    const Trace byKey = play([&](bool right) { input().setHeld(sf::Keyboard::D, right); });
    input().setHeld(sf::Keyboard::D, false);
    ASSERT_GT(byKey[0].x, 500.f);

    // Pulled out with the stick still pushed: a pad that is gone holds nothing.
    const Trace byPad = play([&](bool plugged) {
        input().pad.leftX = 100;
        input().pad.connected = plugged;
    });
    EXPECT_EQ(byPad, (Trace{{{byKey[0].x, true}, {byKey[1].x, false}, {byKey[2].x, true}}}));
}

TEST_F(PadPlay, TheRightStickAimsTheReticleAndTheThrowUntilTheMouseMoves) {
    World& w = land();
    input().pad.connected = true;
    input().pad.leftX = 100;  // off to the right, so the camera has moved on
    frames(w, 100);
    input().pad.leftX = 0;
    frames(w, 30);
    ASSERT_GT(window.view().getCenter().x, 700.f);
    const auto aimedAt = [&](float dx, float dy) { return w.player.centre() + sf::Vector2f(dx, dy); };
    EXPECT_EQ(reticle(w), aimedAt(150, 0));  // straight ahead before the stick moved

    input().pad.rightX = 60;
    input().pad.rightY = -80;
    frames(w, 1);
    EXPECT_EQ(reticle(w), aimedAt(0.6f * 150, -0.8f * 150));
    input().pad.rightX = input().pad.rightY = 0;
    frames(w, 1);
    EXPECT_EQ(reticle(w), aimedAt(0.6f * 150, -0.8f * 150));  // kept at rest

    input().pad.leftX = -100;  // turning round turns the aim with the player
    frames(w, 1);
    input().pad.leftX = 0;
    frames(w, 30);
    EXPECT_EQ(reticle(w), aimedAt(-0.6f * 150, -0.8f * 150));

    input().pad.rightTrigger = 100;
    frames(w, 1);
    input().pad.rightTrigger = 0;
    ASSERT_FALSE(w.player.boomerang.ready);
    // Through the camera to window pixels and back: off by a fraction of a pixel at most.
    EXPECT_NEAR(w.player.boomerang.dirX, -0.6f, 0.005f);
    EXPECT_NEAR(w.player.boomerang.dirY, -0.8f, 0.005f);

    // A fresh key hands the aim back to the mouse; a push of the stick takes it again.
    input().setHeld(sf::Keyboard::E, true);
    frames(w, 1);
    input().setHeld(sf::Keyboard::E, false);
    EXPECT_EQ(reticle(w), std::nullopt);
    input().pad.rightX = 100;
    frames(w, 1);
    input().pad.rightX = 0;
    EXPECT_EQ(reticle(w), aimedAt(150, 0));

    // The mouse takes over: the right button calls the boomerang back, the pointer aims.
    input().setButton(MouseButton::Right, true);
    frames(w, 1);
    input().setButton(MouseButton::Right, false);
    frames(w, 31);  // the cooldown
    input().mouseX = 1000;
    input().mouseY = 455;  // the player's centre height: the camera is no lower than the floor
    input().setButton(MouseButton::Left, true);
    frames(w, 1);
    EXPECT_EQ(reticle(w), std::nullopt);
    EXPECT_EQ((std::array{w.player.boomerang.ready, w.player.boomerang.dirX == 1.f, w.player.boomerang.dirY == 0.f}),
              (std::array{false, true, true}));
}
