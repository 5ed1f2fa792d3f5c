#include <algorithm>

#include "WorldFixture.h"
#include "world/Hints.h"

using CameraAndDrawing = WorldFixture;

namespace {
sf::Vector2f centre(const HeadlessWindow& window) { return window.view().getCenter(); }
}  // namespace

TEST_F(CameraAndDrawing, DefaultModeClampsLeftAndBottomOnly) {
    config();
    World world(sounds);
    world.player.x = 100;
    world.player.y = 1000;
    world.applyCameraView(window);
    EXPECT_EQ(centre(window), sf::Vector2f(512, 384));
    world.player.x = 3000.7f;
    world.player.y = -300.5f;
    world.applyCameraView(window);
    EXPECT_EQ(centre(window), sf::Vector2f(3000, -300));
}

TEST_F(CameraAndDrawing, ATriggerStartsFollowModeWhichCatchesUpFourPixelsAFrame) {
    config("[Debug]\nPlayerX=600\nPlayerY=484\n");
    picture("trigger.png", 50, 50);
    World& world = play("600 500 trigger.png 20\n");
    run(world, 1);
    ASSERT_TRUE(world.camera.follow);
    EXPECT_EQ(world.camera.y, 384);
    run(world, 1);
    EXPECT_EQ(centre(window), sf::Vector2f(600, 388));
    run(world, 21);
    EXPECT_EQ(world.camera.y, 472);
    run(world, 1);
    EXPECT_EQ(world.camera.y, 484);  // within 15: tracked exactly
    world.player.y = 400;
    run(world, 1);
    EXPECT_EQ(world.camera.y, 480);
}

TEST_F(CameraAndDrawing, TheFlightScrollsFivePixelsAFrameWithTheBallHeightClamped) {
    config();
    World world(sounds);
    world.flightLevel = true;
    world.scarfBall.y = 900;
    world.applyCameraView(window);
    EXPECT_EQ(centre(window), sf::Vector2f(350, 768));
    world.scarfBall.y = -50;
    world.applyCameraView(window);
    EXPECT_EQ(centre(window), sf::Vector2f(355, 0));
    EXPECT_EQ(world.camera.flightX, 360);
}

TEST_F(CameraAndDrawing, LayersSkipObjectsTouchingTheViewEdgeAndCentreKeys) {
    config();
    picture("block.png", 50, 50);
    picture("key.png", 20, 30);
    World& world = play("-50 100 block.png 0\n-49 200 block.png 2\n300 100 key.png 10\n"
                        "400 100 block.png 19\n400 200 block.png 20\n600 300 block.png 1\n");
    world.player.x = 0;
    world.player.y = 384;
    world.applyCameraView(window);
    window.recordDraws = true;
    world.draw(window);

    const auto& list = world.objects.mainList;
    const auto drawnAt = [&](const Image& image) {
        const auto it = std::find_if(window.drawn.begin(), window.drawn.end(),
                                     [&](const Sprite& s) { return s.image == &image; });
        return it == window.drawn.end() ? sf::Vector2f(-1, -1) : sf::Vector2f(it->x, it->y);
    };
    EXPECT_EQ(drawnAt(list[0]->image), sf::Vector2f(-1, -1));  // right edge on the view's left edge
    EXPECT_EQ(drawnAt(list[1]->image), sf::Vector2f(-49, 200));
    EXPECT_EQ(drawnAt(list[2]->image), sf::Vector2f(307, 100));  // 300 + 35/2 - 20/2
    EXPECT_EQ(drawnAt(list[3]->image), sf::Vector2f(-1, -1));
    EXPECT_EQ(drawnAt(list[4]->image), sf::Vector2f(-1, -1));
    ASSERT_FALSE(window.drawn.empty());
    EXPECT_EQ(window.drawn.back().image, &world.objects.foregroundList[0]->image);
}

TEST_F(CameraAndDrawing, TheTwoDoorHintsNeverShowTogether) {
    picture("help_open.png", 30, 20);
    picture("help_close.png", 30, 20);
    Hints hints;
    LevelObjectSet set;
    add(set, 11, 150, 0, 101, 140);  // closed door 10 px to the right of the player
    add(set, 12, 0, 0, 60, 140);     // open door 40 px to the left

    const auto shown = [&](int carriedKey, bool onGround) {
        hints.update(set.mainList, {100, 60, 40, 80, carriedKey, onGround, -500, -500, 10, 10});
        return std::string(hints.open ? "open" : "") + (hints.close ? "close" : "");
    };
    EXPECT_EQ(shown(0, true), "open");
    EXPECT_EQ(shown(-1, true), "close");
    EXPECT_EQ(shown(-1, false), "");
    EXPECT_EQ(set.mainList[0]->kind, 11);
    EXPECT_EQ(set.mainList[1]->kind, 12);  // the probes change nothing

    shown(0, true);
    window.recordDraws = true;
    hints.draw(window, 100.9f, 60.5f);
    ASSERT_EQ(window.drawn.size(), 1u);
    EXPECT_EQ(window.drawn[0].x, -100);
    EXPECT_EQ(window.drawn[0].y, -190);
}

// The opened door holds its open frame, the closed one its shut frame; the checkpoint flag
// waves for ever; the key's break plays its strip once.
TEST_F(CameraAndDrawing, DoorStripsHoldTheirEndTheFlagLoopsAndTheKeyBreakPlaysOnce) {
    picture("door_animation.png", 5 * 101, 2 * 140);
    picture("checkpoint_animation.png", 14 * 140, 400);
    picture("key_destroy.png", 6 * 150, 150);
    LevelObjectSet set;
    add(set, 12, 0, 0, 101, 140);
    add(set, 11, 200, 0, 101, 140);
    add(set, 18, 400, 0, 140, 400);
    set.keyDestroyActive = true;
    // Opening in the strip's first row, closing in its second; each from its own sheet.
    window.recordDraws = true;
    for (int f = 0; f < 10; ++f) {
        window.clear();
        set.drawLayerOne(window);
        set.drawLayerTwo(window);
        TimeSource::advanceFrame();
    }
    ASSERT_EQ(window.drawn.size(), 4u);
    const Image* sheets[] = {&set.openDoorImage, &set.closedDoorImage, &set.checkpointImage, &set.keyDestroyImage};
    const IntRect frames[] = {{0, 0, 101, 140}, {0, 140, 101, 140}, {0, 0, 140, 400}, {0, 0, 150, 150}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(window.drawn[i].image, sheets[i]) << i;
        EXPECT_EQ(window.drawn[i].image->width(), static_cast<unsigned>(i == 2 ? 1960 : i == 3 ? 900 : 505)) << i;
        EXPECT_EQ(window.drawn[i].rect, frames[i]) << i;
    }
    set = LevelObjectSet();
    add(set, 12, 0, 0, 101, 140);
    add(set, 11, 200, 0, 101, 140);
    add(set, 18, 400, 0, 140, 400);
    set.keyDestroyActive = true;
    int keyBreakFrames = 0;
    std::vector<int> shown[3];
    for (int f = 0; f < 200; ++f) {
        set.drawLayerOne(window);
        set.drawLayerTwo(window);
        if (set.keyDestroyActive) ++keyBreakFrames;
        for (int i = 0; i < 3; ++i) {
            const LevelObject& o = *set.mainList[static_cast<size_t>(i)];
            const int frame = (i < 2 ? o.doorAnimation : o.checkpointAnimation).shownFrame;
            if (shown[i].empty() || shown[i].back() != frame) shown[i].push_back(frame);
        }
        TimeSource::advanceFrame();
    }
    EXPECT_EQ(shown[0], (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(shown[1], (std::vector<int>{0}));
    std::vector<int> waving;
    for (int i = 0; i < 29; ++i) waving.push_back(i % 14);
    EXPECT_EQ(shown[2], waving);
    EXPECT_EQ(keyBreakFrames, 45);  // five steps of a seventh of a second
}
