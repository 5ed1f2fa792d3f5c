#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "input/ControlReader.h"
#include "TestSupport.h"
#include "audio/FakeAudio.h"
#include "boomerang/Boomerang.h"
#include "platform/HeadlessWindow.h"
#include "player/LevelBuilder.h"

namespace {
// The boomerang thrown from a player standing still at (500, 400); the view shows world = window pixels.
class BoomerangFlight : public ::testing::Test {
protected:
    void SetUp() override {
        TimeSource::useSimulated(true);
        dir.write("config.ini", kPlayerConfig);
        boomerang = std::make_unique<Boomerang>(sounds);
        window.recordDraws = true;
        pointAt(700, 400);
    }
    void TearDown() override { TimeSource::useSimulated(false); }

    void pointAt(int x, int y) {
        window.scriptedInput().mouseX = x;
        window.scriptedInput().mouseY = y;
    }
    void button(MouseButton b, bool down) { window.scriptedInput().setButton(b, down); }
    Controls controls() const { return ControlReader().forPlay(window, false, std::nullopt); }
    void throwNow() { boomerang->throwAt(controls().aim, centre); }
    void fly() {
        boomerang->updateFlight(controls(), window.frameSeconds(), centre, list);
        TimeSource::advanceFrame();
    }
    float centreX() const { return boomerang->x + boomerang->width * 0.5f; }
    // Frames of flight time (accumulated as the boomerang does) until it exceeds `ms`.
    int framesToExceed(float ms) const {
        const float frameMs = window.frameSeconds() * 1000;
        float t = 0;
        int n = 0;
        while (t <= ms) {
            t += frameMs;
            ++n;
        }
        return n;
    }
    // Flies until caught (at most `limit` frames); returns the frame count or -1.
    int flyUntilCaught(int limit) {
        for (int i = 1; i <= limit; ++i) {
            fly();
            if (boomerang->ready) return i;
        }
        return -1;
    }

    TempDir dir;
    FakeSoundBank sounds;
    HeadlessWindow window;
    ObjectList list;
    std::unique_ptr<Boomerang> boomerang;
    sf::Vector2f centre{500, 400};
};
}  // namespace

TEST_F(BoomerangFlight, APointerOnThePlayersCentreIsRefused) {
    pointAt(500, 400);
    const float timer = boomerang->cooldownTimer;
    throwNow();
    EXPECT_TRUE(boomerang->ready);
    EXPECT_FLOAT_EQ(boomerang->cooldownTimer, timer);
}

TEST_F(BoomerangFlight, HeldItFliesOutForTheReturnTimeThenComesBack) {
    button(MouseButton::Left, true);
    throwNow();
    const int turn = framesToExceed(450);
    for (int i = 1; i < turn; ++i) {
        fly();
        ASSERT_FLOAT_EQ(boomerang->x, 520 + 12 * i) << i;
    }
    fly();
    EXPECT_FLOAT_EQ(boomerang->dirX, -1);
    EXPECT_LT(boomerang->x, 520 + 12 * (turn - 1));
    // Caught once its centre is within the spawn length (30) of the player's, at 12 a frame.
    EXPECT_EQ(flyUntilCaught(100), 28);
}

TEST_F(BoomerangFlight, ReleasingTheButtonSendsItBackAfterAHundredMilliseconds) {
    button(MouseButton::Left, true);
    throwNow();
    button(MouseButton::Left, false);
    // The release is noticed on the first frame that starts with more than 100 ms flown.
    const int turn = framesToExceed(100) + 1;
    float farthest = 0;
    int farthestFrame = 0;
    for (int i = 1; i <= turn + 3; ++i) {
        fly();
        if (centreX() > farthest) {
            farthest = centreX();
            farthestFrame = i;
        }
    }
    EXPECT_EQ(farthestFrame, turn - 1);
    EXPECT_GT(flyUntilCaught(60), 0);
}

TEST_F(BoomerangFlight, InkBouncesItBackAtOnce) {
    const int wall = addBlock(list, 3, 700, 300, 20, 200);
    button(MouseButton::Left, true);
    throwNow();
    float farthest = 0;
    for (int i = 0; i < 20; ++i) {
        fly();
        farthest = std::max(farthest, boomerang->x + boomerang->width);
    }
    EXPECT_LE(farthest, 700 + 10);
    EXPECT_GT(boomerang->flightTime, 450);
    // Ink survives the boomerang.
    EXPECT_EQ(list[wall]->image.alpha(0, 100), 255);
    EXPECT_FALSE(list[wall]->imageChanged);
    EXPECT_GT(flyUntilCaught(60), 0);
}

// Thrown from a wall it touches, level with its centre, it looks for something to bounce off
// only the way it flies.
TEST_F(BoomerangFlight, ThrownStraightAwayFromInkItTouchesItFliesOut) {
    addBlock(list, 3, 478, 380, 10, 40);
    pointAt(300, 400);
    button(MouseButton::Left, true);
    throwNow();
    for (int i = 0; i < 5; ++i) fly();
    EXPECT_LT(boomerang->flightTime, 450);
    EXPECT_FLOAT_EQ(boomerang->dirX, -1);
}

TEST_F(BoomerangFlight, PencilIsTunnelledThrough) {
    const int wall = addBlock(list, 2, 650, 200, 20, 400);
    button(MouseButton::Left, true);
    throwNow();
    float farthest = 0;
    for (int i = 0; i < 20; ++i) {
        fly();
        farthest = std::max(farthest, boomerang->x);
    }
    EXPECT_GT(farthest, 700);
    const Image& pencil = list[wall]->image;
    EXPECT_EQ(pencil.alpha(10, 200), 0);    // on the flight line
    EXPECT_EQ(pencil.alpha(10, 0), 255);    // far above it
    EXPECT_EQ(pencil.alpha(10, 399), 255);  // far below it
}

TEST_F(BoomerangFlight, RightClickRecallsItAtOnce) {
    button(MouseButton::Left, true);
    throwNow();
    for (int i = 0; i < 3; ++i) fly();
    button(MouseButton::Right, true);
    fly();
    EXPECT_TRUE(boomerang->ready);
    window.clear();
    boomerang->draw(window);
    EXPECT_TRUE(window.drawn.empty());
}

TEST_F(BoomerangFlight, ASecondThrowWaitsForTheCooldownEvenWhenBackEarly) {
    button(MouseButton::Left, true);
    throwNow();
    fly();
    button(MouseButton::Right, true);
    fly();
    button(MouseButton::Right, false);
    ASSERT_TRUE(boomerang->ready);

    int frames = 2;
    while (boomerang->ready && frames < 100) {
        throwNow();
        if (boomerang->ready) {
            fly();
            ++frames;
        }
    }
    const float frameMs = window.frameSeconds() * 1000;
    float t = 0;
    int expected = 0;
    while (t < 500) {
        t += frameMs;
        ++expected;
    }
    EXPECT_EQ(frames, expected);
}

TEST(BoomerangPictures, TheBoxDefaultsToThePictureSize) {
    TempDir dir;
    Image picture;
    picture.create(24, 16, Color{255, 0, 0, 255});
    picture.saveToFile("boomerang.png");
    dir.write("config.ini", "[Boomerang]\nSpeed=9\n");
    FakeSoundBank sounds;
    const Boomerang boomerang(sounds);
    EXPECT_FLOAT_EQ(boomerang.width, 24);
    EXPECT_FLOAT_EQ(boomerang.height, 16);
    EXPECT_DOUBLE_EQ(boomerang.speed, 9);
    EXPECT_FLOAT_EQ(boomerang.spawnLength, 30);  // the shipped values stand in for missing keys
    EXPECT_EQ(boomerang.returnTime, 450);
    EXPECT_EQ(boomerang.cooldown, 500);
    EXPECT_EQ(boomerang.eraseRadius, 50);
    EXPECT_TRUE(boomerang.image.smooth());
}

// Ink sends it back from the side it struck, its box put flush against the ink: left of a
// wall on the right, below a ceiling, and so on.
TEST_F(BoomerangFlight, InkBouncesItFlushInEveryDirection) {
    const struct {
        int pointerX, pointerY;
        float inkX, inkY;
        int inkW, inkH;
        float x, y;  // the box right after the bounce
    } throws[] = {
        {700, 400, 700, 300, 20, 200, 680, 390},
        {300, 400, 280, 300, 20, 200, 300, 390},
        {500, 600, 400, 600, 200, 20, 490, 580},
        {500, 200, 400, 180, 200, 20, 490, 200},
    };
    for (const auto& t : throws) {
        list.clear();
        addBlock(list, 3, t.inkX, t.inkY, t.inkW, t.inkH);
        boomerang = std::make_unique<Boomerang>(sounds);
        pointAt(t.pointerX, t.pointerY);
        button(MouseButton::Left, true);
        throwNow();
        int frames = 0;
        while (boomerang->flightTime <= 450 && frames < 30) {
            fly();
            ++frames;
        }
        EXPECT_FLOAT_EQ(boomerang->x, t.x) << t.pointerX << "," << t.pointerY;
        EXPECT_FLOAT_EQ(boomerang->y, t.y) << t.pointerX << "," << t.pointerY;
    }
}

// Both pictures are centred on the 20 x 20 box, the glow under the boomerang.
TEST_F(BoomerangFlight, BothPicturesAreCentredOnTheBox) {
    for (const auto& [name, w, h] : {std::tuple{"boomerang.png", 30u, 40u}, std::tuple{"boomerang_glow.png", 50u, 60u}}) {
        Image picture;
        picture.create(w, h, Color{0, 0, 0, 255});
        ASSERT_TRUE(picture.saveToFile(name));
    }
    boomerang = std::make_unique<Boomerang>(sounds);
    button(MouseButton::Left, true);
    throwNow();
    fly();
    window.clear();
    boomerang->draw(window);
    ASSERT_EQ(window.drawn.size(), 2u);
    EXPECT_EQ(window.drawn[0].image, &boomerang->glowImage);
    EXPECT_FLOAT_EQ(window.drawn[0].x, boomerang->x - 15);
    EXPECT_FLOAT_EQ(window.drawn[0].y, boomerang->y - 20);
    EXPECT_FLOAT_EQ(window.drawn[1].x, boomerang->x - 5);
    EXPECT_FLOAT_EQ(window.drawn[1].y, boomerang->y - 10);
}
