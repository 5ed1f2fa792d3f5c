#include <algorithm>
#include <array>

#include "WorldFixture.h"

// Finishing the game and starting a level again never leave anything of the last run behind.
using FinishAndRespawn = WorldFixture;

TEST_F(FinishAndRespawn, TheFlightCompletesTheGameAndPlayThenStartsTheFirstLevel) {
    config();
    dir.write("Level.txt", "");
    dir.write("Level5.txt", "");
    dir.write("save.save", "500 -300 Level5.txt 5");
    World w(sounds);
    w.continueLevel();
    w.scarfBall.x = 17991;
    run(w, 1);
    EXPECT_FALSE(w.returnToMenu);
    run(w, 1);  // 18001: past the end
    EXPECT_TRUE(w.returnToMenu);
    EXPECT_EQ(dir.read("save.save"), "500 -300 Level.txt 5");

    w.returnToMenu = false;
    w.continueLevel();  // Play in the same run
    EXPECT_EQ(w.currentLevelName, "Level.txt");
    run(w, 1);
    EXPECT_FALSE(w.returnToMenu);

    World fresh(sounds);  // and after a fresh start
    EXPECT_EQ(fresh.currentLevelName, "Level.txt");
    EXPECT_EQ(fresh.highestLevel, 5);
}

TEST_F(FinishAndRespawn, EveryStartOfALevelPutsTheBallAndTheFlightCameraBack) {
    config();
    dir.write("Level5.txt", "");
    dir.write("save.save", "500 -300 Level5.txt 5");
    World w(sounds);
    w.continueLevel();
    run(w, 100);
    ASSERT_EQ(w.scarfBall.x, 850);
    window.scriptedInput().setHeld(sf::Keyboard::R, true);
    run(w, 1);
    EXPECT_EQ((std::array{w.scarfBall.x, w.scarfBall.y, w.camera.flightX}), (std::array{350.f, 384.f, 350.f}));
    window.scriptedInput().setHeld(sf::Keyboard::R, false);
    run(w, 1);
    EXPECT_EQ(w.scarfBall.x, 355);
    EXPECT_EQ(window.view().getCenter().x, 350);
    window.scriptedInput().pad.connected = true;  // in the flight the pad's stick steers up too
    window.scriptedInput().pad.leftY = -100;
    run(w, 1);
    EXPECT_LT(w.scarfBall.y, 384);
}

TEST_F(FinishAndRespawn, ARespawnCarriesNoSpeedOver) {
    config();
    dir.write("save.save", "300 200 Level.txt 1");
    World& w = play("");
    for (const bool restartKey : {false, true}) {
        w.player.vx = 6;
        w.player.vy = -14;  // mid-jump
        w.player.fallAccel = 1.5f;
        if (restartKey) {
            window.scriptedInput().setHeld(sf::Keyboard::R, true);
            run(w, 1);
            window.scriptedInput().setHeld(sf::Keyboard::R, false);
        } else {
            w.continueLevel();  // Play after returning to the menu
        }
        SCOPED_TRACE(restartKey);
        EXPECT_EQ((std::array{w.player.x, w.player.y, w.player.vx, w.player.vy, w.player.fallAccel}),
                  (std::array{300.f, 200.f, 0.f, 0.f, 0.f}));
    }
}

TEST_F(FinishAndRespawn, TheWholeBallStaysOnScreenAtTheRightSteeringBound) {
    config();
    picture("scarfball.png", 110, 60);
    dir.write("Level5.txt", "");
    dir.write("save.save", "500 -300 Level5.txt 5");
    World w(sounds);
    w.continueLevel();
    window.scriptedInput().setHeld(sf::Keyboard::D, true);
    run(w, 200);
    // Steered right as far as it goes: 5 pixels short of the view's right edge.
    EXPECT_EQ(w.scarfBall.x + 110 - window.view().getCenter().x, 507);
}

// A run into a gap with no floor beneath falls as ever until a screen's height below the lowest
// floor, then comes back to the flag behind a fade to dark and back.
TEST_F(FinishAndRespawn, AFallFarBelowTheLevelEndsBackAtTheFlag) {
    dir.write("config.ini", "[Debug]\nPlayerX=80\nPlayerY=400\n");
    picture("floor.png", 300, 40);
    picture("flag.png", 40, 120);
    World& w = play("0 600 floor.png 3\n600 600 floor.png 3\n100 480 flag.png 18\n");
    run(w, 60);
    ASSERT_EQ((std::array{w.checkpointX, w.checkpointY}), (std::array{100, 510}));
    window.scriptedInput().setHeld(sf::Keyboard::D, true);
    float deepest = 0, darkest = 0;
    for (int frame = 0; frame < 400; ++frame) {
        run(w, 1);
        deepest = std::max(deepest, w.player.y);
        darkest = std::max(darkest, w.fallRescue.darkness());
        if (frame == 60) window.scriptedInput().setHeld(sf::Keyboard::D, false);
    }
    EXPECT_GT(deepest, 640 + 768);
    EXPECT_GT(darkest, 0.9f);
    EXPECT_EQ(w.fallRescue.darkness(), 0.f);
    EXPECT_EQ((std::array{w.player.x, w.player.y}), (std::array{100.f, 510.f}));
}
