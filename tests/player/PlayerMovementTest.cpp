#include <algorithm>
#include <vector>

#include "player/PlayerFixture.h"

class PlayerMovement : public PlayerFixture {
protected:
    // Ink ground at (0, 400) whose surface row in each column the function gives; the player on it at x 100.
    template <typename SurfaceRow>
    void addSlope(SurfaceRow surfaceRow) {
        auto ground = std::make_unique<LevelObject>();
        ground->kind = 3;
        ground->y = 400;
        ground->width = 700;
        ground->height = 300;
        ground->image.create(700, 300);
        for (int c = 0; c < 700; ++c)
            for (int r = surfaceRow(c); r < 300; ++r) ground->image.setPixel(c, r, Color{0, 0, 0, 255});
        list.push_back(std::move(ground));
        player->reset(100, 400 - 90, true);
    }

    // One jump started with w held: how high above startY it got within a second.
    float riseOfJump(int holdFrames, float startY) {
        float top = startY;
        for (int i = 0; i < 60; ++i) {
            frame();
            if (i + 1 == holdFrames) hold(sf::Keyboard::W, false);
            top = std::min(top, player->y);
        }
        return startY - top;
    }
};

TEST_F(PlayerMovement, StandingStillKeepsTheFeetOnTheGround) {
    standOnFloor(100);
    for (int i = 0; i < 120; ++i) {
        frame();
        ASSERT_FLOAT_EQ(bottom(), kFloorTop) << "frame " << i;
    }
    EXPECT_EQ(player->animName, "StandingRight");
    EXPECT_FLOAT_EQ(player->x, 100);
}

TEST_F(PlayerMovement, FullJumpRisesAbout175PixelsAndAShortOneIsCut) {
    standOnFloor(100);
    frame();  // arms the jump
    const float startY = player->y;
    hold(sf::Keyboard::W);
    EXPECT_NEAR(riseOfJump(1000, startY), 174.6f, 0.3f);
    ASSERT_FLOAT_EQ(bottom(), kFloorTop);

    hold(sf::Keyboard::W, false);
    frame();
    // Released at once: the rise stops when the speed has decayed past 85 % of the jump power.
    hold(sf::Keyboard::W);
    EXPECT_NEAR(riseOfJump(1, startY), 66.78f, 0.3f);
}

TEST_F(PlayerMovement, HoldingJumpThroughALandingDoesNotJumpAgain) {
    standOnFloor(100);
    frame();
    hold(sf::Keyboard::W);
    int jumps = 0;
    float lastVy = 0;
    for (int i = 0; i < 120; ++i) {
        frame();
        if (player->vy < -8.9f && lastVy >= 0) ++jumps;
        lastVy = player->vy;
    }
    EXPECT_EQ(jumps, 1);
    EXPECT_FLOAT_EQ(bottom(), kFloorTop);

    hold(sf::Keyboard::W, false);
    frame();
    hold(sf::Keyboard::W);
    frame();
    EXPECT_FLOAT_EQ(player->vy, -9);
}

TEST_F(PlayerMovement, BothRunKeysRunRight) {
    standOnFloor(100);
    hold(sf::Keyboard::A);
    hold(sf::Keyboard::D);
    frames(30);
    // The first move of the first frame has no speed yet; then 2.25 + 2.75 a frame.
    EXPECT_FLOAT_EQ(player->x, 100 + 2.75f + 29 * 5);
    EXPECT_EQ(player->facing, Facing::Right);
    EXPECT_EQ(player->animName, "RunningRight");
}

TEST_F(PlayerMovement, StepsBelowHillwalkAreClimbedHigherOnesStopThePlayerFlush) {
    standOnFloor(100);
    const int step = addBlock(list, 3, 300, kFloorTop - 9, 300, 9);
    hold(sf::Keyboard::D);
    frames(50);
    EXPECT_GT(player->x, 300);
    EXPECT_FLOAT_EQ(bottom(), kFloorTop - 9);

    list.erase(list.begin() + step);
    addBlock(list, 3, 600, kFloorTop - 10, 300, 10);
    frames(70);
    EXPECT_FLOAT_EQ(player->x, 600 - player->width);
    EXPECT_FLOAT_EQ(bottom(), kFloorTop);

    // Leftwards the box ends one pixel right of the wall's last column.
    hold(sf::Keyboard::D, false);
    addBlock(list, 3, 150, kFloorTop - 100, 20, 100);
    hold(sf::Keyboard::A);
    frames(100);
    EXPECT_FLOAT_EQ(player->x, 170);
}

TEST_F(PlayerMovement, AGentleSlopeIsWalkedDownWithoutFalling) {
    // Flat, then down one pixel every two for 200 pixels, then flat again.
    auto surfaceRow = [](int column) { return column < 200 ? 0 : column < 400 ? (column - 200) / 2 : 100; };
    addSlope(surfaceRow);
    hold(sf::Keyboard::D);
    int worstGap = 0;
    for (int i = 0; i < 70; ++i) {
        frame();
        ASSERT_EQ(player->animName, "RunningRight") << "frame " << i;
        int highest = 300;
        for (int c = static_cast<int>(player->x); c < static_cast<int>(player->x) + 40; ++c)
            highest = std::min(highest, surfaceRow(c));
        // Measured on the pixel rows the probes see.
        const int gap = 400 + highest - (static_cast<int>(player->y) + 90);
        ASSERT_GE(gap, 0) << "frame " << i;
        worstGap = std::max(worstGap, gap);
    }
    EXPECT_GT(player->x, 400);
    EXPECT_FLOAT_EQ(bottom(), 500);
    EXPECT_LE(worstGap, 1);
}

TEST_F(PlayerMovement, ASteepSlopeIsHoppedDownStillRunning) {
    // At 45 degrees the run outpaces the pull; the player drops in short hops within the support probe.
    addSlope([](int column) { return column < 200 ? 0 : column < 400 ? column - 200 : 200; });
    hold(sf::Keyboard::D);
    for (int i = 0; i < 70; ++i) {
        frame();
        ASSERT_EQ(player->animName, "RunningRight") << "frame " << i;
    }
    EXPECT_FLOAT_EQ(bottom(), 600);
}

TEST_F(PlayerMovement, JumpingIntoACeilingCornerSlidesAroundIt) {
    standOnFloor(295);
    // An overhang ending 5 pixels into the player's box, 4 pixels above its head.
    addBlock(list, 3, 0, kFloorTop - 90 - 4 - 50, 300, 50);
    frame();
    hold(sf::Keyboard::W);
    frame();
    EXPECT_FLOAT_EQ(player->x, 304);
    EXPECT_EQ(player->animName, "JumpingRightRunning");
    frames(10);
    // Past the corner the rise goes on above the overhang's underside.
    EXPECT_LT(player->y, kFloorTop - 90 - 4);
    EXPECT_FLOAT_EQ(player->x, 304);
}

TEST_F(PlayerMovement, CeilingSlidingStopsOnceFiftyPixelsAreUsed) {
    // A ceiling rising to the right at 45 degrees, 4 pixels above the head at the box's left edge.
    auto jumpUnderTheCeiling = [this] {
        list.clear();
        standOnFloor(100);
        const float headTop = kFloorTop - 90;
        auto ceiling = std::make_unique<LevelObject>();
        ceiling->kind = 3;
        ceiling->x = 100;
        ceiling->y = headTop - 4 - 299;
        ceiling->width = 300;
        ceiling->height = 300;
        ceiling->image.create(300, 300);
        for (int c = 0; c < 300; ++c)
            for (int r = 0; r <= 299 - c; ++r) ceiling->image.setPixel(c, r, Color{0, 0, 0, 255});
        list.push_back(std::move(ceiling));
        hold(sf::Keyboard::W, false);
        frame();
        hold(sf::Keyboard::W);
    };
    jumpUnderTheCeiling();
    // 9, then 8.7, 8.37 and 8.01 twice each; the last one starts at 49 and ends past the cap.
    frames(4);
    EXPECT_NEAR(player->x - 100, 59.16f, 1e-3);
    EXPECT_EQ(player->ceilingSlide, 57);
    frames(10);
    EXPECT_NEAR(player->x - 100, 59.16f, 1e-3);
    // Once it moves down again the allowance is back.
    EXPECT_EQ(player->ceilingSlide, 0);

    // The cap exactly: with 49 pixels used the second slide (8.7) still happens, with 50 not.
    for (const int used : {49, 50}) {
        jumpUnderTheCeiling();
        frame();
        ASSERT_FLOAT_EQ(player->x, 109);
        player->ceilingSlide = used;
        frame();
        EXPECT_FLOAT_EQ(player->x, used < 50 ? 117.7f : 109) << used;
        EXPECT_EQ(player->ceilingSlide, used < 50 ? 57 : 50) << used;
    }
}

TEST_F(PlayerMovement, RidingAHorizontalPlatform) {
    const int platform = addBlock(list, 6, 100, kFloorTop, 400, 20);
    list[platform]->speedX = 2;
    player->reset(150, static_cast<int>(kFloorTop - 90), true);
    for (int i = 1; i <= 30; ++i) {
        frame();
        list[platform]->x += 2;  // the world steps the platform after the player
        ASSERT_FLOAT_EQ(player->x, 150 + 2 * i);
        ASSERT_FLOAT_EQ(player->vx, 0);
        ASSERT_FLOAT_EQ(bottom(), kFloorTop);
    }
}

TEST_F(PlayerMovement, GracePeriodOnlyAtTheFirstLedgeAfterAJump) {
    // A staircase down: ledges at x 300 and 600.
    addBlock(list, 3, -1000, kFloorTop, 1300, 50);
    addBlock(list, 3, 300, kFloorTop + 100, 300, 50);
    auto jumpAfterLedge = [this](float ledge, int wait) {
        player->reset(200, static_cast<int>(kFloorTop - 90), true);
        player->coyoteSet = false;
        hold(sf::Keyboard::D);
        while (player->x < ledge) frame();
        frames(wait);
        hold(sf::Keyboard::W);
        frame();
        hold(sf::Keyboard::W, false);
        return player->vy == -9;
    };
    EXPECT_TRUE(jumpAfterLedge(300, 1));
    EXPECT_FALSE(jumpAfterLedge(300, 9));  // 0.15 s is past the 0.12 s grace
    // Walked off the first ledge and on over the second without a jump between.
    EXPECT_FALSE(jumpAfterLedge(600, 1));
}

// Pencil and ink have their own landings, jumps and footsteps; any other ground sounds plain.
// A footstep is due in every frame in which the running strip's next frame is 5 or 16 (here
// each step ends at once, so each of those frames starts one).
TEST_F(PlayerMovement, LandingJumpAndFootstepsSoundOfTheGroundUnderThePlayer) {
    using Files = std::initializer_list<const char*>;
    struct Ground {
        int kind;
        Files landings, jumps, steps;
    };
    const Files plainSteps = {"walk1.wav", "walk2.wav", "walk3.wav", "walk4.wav", "walk5.wav", "walk6.wav", "walk7.wav"};
    const Files pencilSteps = {"walk1_bly.wav", "walk2_bly.wav", "walk3_bly.wav", "walk4_bly.wav",
                               "walk5_bly.wav", "walk6_bly.wav", "walk7_bly.wav"};
    const Files inkSteps = {"walk1_ink.wav", "walk2_ink.wav", "walk3_ink.wav", "walk4_ink.wav",
                            "walk5_ink.wav", "walk6_ink.wav", "walk7_ink.wav"};
    const Ground grounds[] = {
        {2, {"landa_bly.wav", "landa2_bly.wav", "landa3_bly.wav"}, {"hoppa_bly.wav", "hoppa_bly2.wav"}, pencilSteps},
        {3, {"landa_ink.wav", "landa2_ink.wav", "landa3_ink.wav"}, {"hoppa_ink.wav", "hoppa2_ink.wav"}, inkSteps},
        {8, {"landa.wav", "landa2.wav", "landa3.wav"}, {"hoppa.wav"}, plainSteps},
    };
    const Files allLandings = {"landa.wav", "landa2.wav", "landa3.wav", "landa_bly.wav", "landa2_bly.wav",
                               "landa3_bly.wav", "landa_ink.wav", "landa2_ink.wav", "landa3_ink.wav"};
    const Files allJumps = {"hoppa.wav", "hoppa_ink.wav", "hoppa2_ink.wav", "hoppa_bly.wav", "hoppa_bly2.wav"};
    for (const Ground& g : grounds) {
        SCOPED_TRACE(g.kind);
        for (FakeVoice* v : audio.effects) v->starts = 0;
        list.clear();
        addBlock(list, g.kind, -1000, kFloorTop, 4000, 50);
        player->reset(100, static_cast<int>(kFloorTop - 90 - 40), false);
        frames(40);
        ASSERT_FLOAT_EQ(bottom(), kFloorTop);
        EXPECT_EQ(starts(g.landings), 1);
        EXPECT_EQ(starts(allLandings), 1);

        audio.finishAll();
        hold(sf::Keyboard::W);
        frame();
        hold(sf::Keyboard::W, false);
        EXPECT_EQ(starts(g.jumps), 1);
        EXPECT_EQ(starts(allJumps), 1);
        frames(60);
        EXPECT_EQ(starts(g.landings), 2);

        audio.finishAll();
        hold(sf::Keyboard::D);
        std::vector<int> stepFrames;
        for (int i = 0; i < 60; ++i) {
            const int next = player->animation.nextFrame;
            const int before = starts(g.steps);
            frame();
            if (starts(g.steps) > before) stepFrames.push_back(next);
            audio.finishAll();
        }
        hold(sf::Keyboard::D, false);
        EXPECT_EQ(stepFrames, (std::vector<int>{5, 5, 5, 16, 16, 16}));
        EXPECT_EQ(starts(plainSteps) + starts(pencilSteps) + starts(inkSteps), 6);
    }
}

// Landing on a platform moving down takes its speed; one moving up, stopped or plain ground
// gives none. The player ends each frame standing exactly on it.
TEST_F(PlayerMovement, APlatformMovingDownLendsItsSpeedOnLanding) {
    const struct {
        int kind;
        float speedY, vy;
    } grounds[] = {{4, 1, 1}, {4, 2, 2}, {4, 0, 0}, {5, -2, 0}, {3, 0, 0}};
    for (const auto& g : grounds) {
        list.clear();
        const int platform = addBlock(list, g.kind, -1000, kFloorTop, 4000, 50);
        list[platform]->speedY = g.speedY;
        player->reset(100, static_cast<int>(kFloorTop - 90 - 40), true);
        player->vy = 0;
        int frames = 0;
        while (bottom() != kFloorTop && frames++ < 60) frame();
        EXPECT_EQ(frames, 10) << g.kind << " " << g.speedY;
        EXPECT_FLOAT_EQ(player->vy, g.vy) << g.kind << " " << g.speedY;
        EXPECT_FLOAT_EQ(bottom(), kFloorTop) << g.kind << " " << g.speedY;
    }
}
