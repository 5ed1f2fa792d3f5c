#include <gtest/gtest.h>

#include <array>

#include "GameHarness.h"

TEST(GameSplash, EscapeOrMouseOnTheFirstFrameSkipsItAtOnce) {
    for (const bool useEscape : {true, false}) {
        GameHarness h;
        if (useEscape) h.holdEscape(true);
        else h.input().setButton(MouseButton::Left, true);
        h.frame();
        EXPECT_EQ(h.state(), GameState::MainMenu);
        EXPECT_FALSE(h.drew(h.splash().cardImage));
        EXPECT_FALSE(h.drew(h.splash().veilImage));
        EXPECT_TRUE(h.drew(h.menu().backgroundImage));
    }
}

TEST(GameSplash, CardFadesInHoldsAndFadesOutThenTheMenuTakesOverAfterFiveSeconds) {
    GameHarness h;
    Sprite& card = h.splash().card;
    Sprite& veil = h.splash().veil;
    EXPECT_EQ(card.color.a, 0);
    h.frames(60);  // frames 25..59 are past 0.4 s
    EXPECT_EQ(card.color.a, 105);
    h.frames(49);
    EXPECT_EQ(card.color.a, 252);
    h.frame();  // 85 steps of 3
    EXPECT_EQ(card.color.a, 255);
    h.frames(90);  // frames 181..199 are past 3.0 s
    EXPECT_EQ(card.color.a, 198);
    EXPECT_EQ(veil.color.a, 255);
    h.frames(40);  // frames 211..239 are past 3.5 s
    EXPECT_EQ(veil.color.a, 168);
    EXPECT_TRUE(h.drew(h.splash().veilImage));
    EXPECT_TRUE(h.drew(h.splash().cardImage));
    h.frames(61);  // up to frame 300, exactly 5.0 s
    EXPECT_EQ(h.state(), GameState::SplashCard);
    EXPECT_EQ(card.color.a, 0);
    EXPECT_EQ(veil.color.a, 0);
    h.frame();
    EXPECT_EQ(h.state(), GameState::MainMenu);
}

TEST(GameSplash, FadeAlphaClampsAndResetsTheColourToWhite) {
    Sprite sprite;
    sprite.color.a = 250;
    fadeAlpha(sprite, 6);  // exactly 256 must not wrap to 0
    EXPECT_EQ(sprite.color.a, 255);
    sprite.color = Color{10, 20, 30, 250};
    fadeAlpha(sprite, 10);
    EXPECT_EQ(sprite.color, (Color{255, 255, 255, 255}));
    fadeAlpha(sprite, -253);
    EXPECT_EQ(sprite.color.a, 2);
    fadeAlpha(sprite, -3);
    EXPECT_EQ(sprite.color.a, 0);
    fadeAlpha(sprite, 100.9f);
    EXPECT_EQ(sprite.color.a, 100);
}

TEST(GameScreens, QuitQuestionReturnsOnNoAndClosesOnYes) {
    GameHarness h;
    h.skipSplash();
    h.click(h.menu().quit);
    EXPECT_EQ(h.state(), GameState::QuitConfirm);
    EXPECT_FALSE(h.menu().quit.clicked);
    h.answer(h.quitQuestion().no);
    EXPECT_EQ(h.state(), GameState::MainMenu);
    EXPECT_FALSE(h.quitQuestion().no.clicked);
    EXPECT_FALSE(h.quitQuestion().no.hoverActive);
    h.click(h.menu().quit);
    h.answer(h.quitQuestion().yes);
    EXPECT_FALSE(h.window.isOpen());
}

// Each frame, the pointer away from every button: the background, then each button's picture.
// The card lies centred over the menu behind a white veil; a question dims the screen that
// asked it.
TEST(GameScreens, EachScreenDrawsWhatLiesBeneathThenItsBackgroundAndButtons) {
    GameHarness h;
    h.pointAt(0, 0);
    using Images = std::vector<const Image*>;
    const auto drawnOver = [&h](const Images& beneath) {
        Images images;
        for (const Sprite& sprite : h.window.drawn) images.push_back(sprite.image);
        EXPECT_EQ(Images(images.begin(), images.begin() + std::min(images.size(), beneath.size())), beneath);
        return Images(images.begin() + std::min(images.size(), beneath.size()), images.end());
    };
    const auto coversTheScreen = [](const Sprite& s) {
        return s.x <= 0 && s.y <= 0 && s.x + static_cast<float>(s.rect.width) * s.scaleX >= 1024 &&
               s.y + static_cast<float>(s.rect.height) * s.scaleY >= 768;
    };
    const MainMenuScreen& menu = h.menu();
    const Images menuImages{&menu.backgroundImage, menu.play.sprite.image, menu.options.sprite.image,
                            menu.levels.sprite.image, menu.quit.sprite.image};
    h.frame();
    const SplashScreen& splash = h.splash();
    EXPECT_EQ(drawnOver(menuImages), (Images{&splash.veilImage, &splash.cardImage}));
    EXPECT_TRUE(coversTheScreen(splash.veil));
    EXPECT_NEAR(splash.card.x + static_cast<float>(splash.cardImage.width()) / 2, 512, 0.5);
    EXPECT_NEAR(splash.card.y + static_cast<float>(splash.cardImage.height()) / 2, 384, 0.5);

    h.skipSplash();
    h.click(menu.quit);
    h.pointAt(0, 0);
    h.frame();
    const QuitQuestion& quit = h.quitQuestion();
    EXPECT_EQ(drawnOver(menuImages), (Images{&quit.dimImage, quit.yes.sprite.image, quit.no.sprite.image}));
    EXPECT_TRUE(coversTheScreen(quit.dim));

    h.answer(quit.no);
    h.click(menu.play);
    h.pointAt(0, 0);
    h.pause();
    h.frame();
    const PauseScreen& pause = h.pauseMenu();
    const Images pauseImages{&pause.backgroundImage, pause.resume.sprite.image, pause.restart.sprite.image,
                             pause.options.sprite.image, pause.leave.sprite.image};
    EXPECT_EQ(drawnOver(pauseImages), Images{});
    h.click(pause.leave);
    h.pointAt(0, 0);
    h.frame();
    const LeaveQuestion& leave = h.leaveQuestion();
    EXPECT_EQ(drawnOver(pauseImages), (Images{&leave.dimImage, leave.mainMenu.sprite.image,
                                              leave.desktop.sprite.image, leave.back.sprite.image}));
}

TEST(GameScreens, PlayResumesThroughTheWorldAndEscapeOpensThePauseMenu) {
    GameHarness h;
    h.skipSplash();
    h.click(h.menu().play);
    EXPECT_EQ(h.state(), GameState::Playing);
    h.frames(3);
    EXPECT_EQ(h.state(), GameState::Playing);
    h.holdEscape(true);
    h.frame();
    EXPECT_EQ(h.state(), GameState::PauseMenu);
    // The pause menu does not react to Escape; the world stands still behind it.
    const float x = h.game->world.player.x, y = h.game->world.player.y;
    h.frames(30);
    EXPECT_EQ(h.state(), GameState::PauseMenu);
    EXPECT_EQ(h.game->world.player.x, x);
    EXPECT_EQ(h.game->world.player.y, y);
    // Escape still held when resume is clicked reopens the menu on the next frame.
    h.click(h.pauseMenu().resume);
    EXPECT_EQ(h.state(), GameState::Playing);
    h.frame();
    EXPECT_EQ(h.state(), GameState::PauseMenu);
    h.holdEscape(false);
    h.click(h.pauseMenu().resume);
    EXPECT_EQ(h.state(), GameState::Playing);
    h.frame();
    EXPECT_EQ(h.state(), GameState::Playing);
}

TEST(GameScreens, LeaveQuestionGoesToTheMainMenuOrTheDesktop) {
    GameHarness h;
    h.skipSplash();
    h.click(h.menu().play);
    h.pause();
    h.click(h.pauseMenu().leave);
    EXPECT_EQ(h.state(), GameState::ExitConfirm);
    h.answer(h.leaveQuestion().mainMenu);
    EXPECT_EQ(h.state(), GameState::MainMenu);
    h.click(h.menu().play);
    EXPECT_EQ(h.state(), GameState::Playing);
    h.pause();
    h.click(h.pauseMenu().leave);
    h.answer(h.leaveQuestion().desktop);
    EXPECT_FALSE(h.window.isOpen());
}

TEST(GameScreens, PlayAfterLeavingResumesAtTheSavedCheckpointNotWhereTheWorldWasFrozen) {
    GameHarness h("[Player]\nGravity=0.3\nMaxGravity=12\nSizeX=40\nSizeY=90\n");
    h.skipSplash();
    h.click(h.menu().play);
    const float resumedY = h.game->world.player.y;
    h.frames(20);  // nothing to stand on: the player falls
    ASSERT_NE(h.game->world.player.y, resumedY);
    h.pause();
    h.click(h.pauseMenu().leave);
    h.answer(h.leaveQuestion().mainMenu);
    ASSERT_EQ(h.state(), GameState::MainMenu);
    h.click(h.menu().play);
    EXPECT_EQ(h.game->world.player.y, resumedY);
}

// Clicked, or chosen with the keys (second in the focus order), the button lands on the last
// flag as the restart key does, and play goes on from there.
TEST(GameScreens, RestartFromTheFlagPutsThePlayerBackAndResumes) {
    GameHarness h("[Player]\nGravity=0.3\nMaxGravity=12\nSizeX=40\nSizeY=90\n");
    h.skipSplash();
    h.click(h.menu().play);
    World& world = h.game->world;
    const std::array flag{world.player.x, world.player.y};
    for (const bool keys : {false, true}) {
        h.frames(20);  // nothing to stand on: the player falls
        ASSERT_NE(world.player.y, flag[1]);
        h.pause();
        if (keys) {
            h.tap(sf::Keyboard::Down);
            h.tap(sf::Keyboard::Down);
            h.input().setHeld(sf::Keyboard::Enter, true);
            h.frame();
            h.input().setHeld(sf::Keyboard::Enter, false);
        } else {
            h.click(h.pauseMenu().restart);
        }
        EXPECT_EQ(h.state(), GameState::Playing);
        EXPECT_EQ((std::array{world.player.x, world.player.y}), flag);
    }
}

// A screen opened on top returns to the one that opened it; when two changes come in one
// frame the later one wins, as if the earlier had not been.
TEST(GameScreens, ScreensReturnToTheScreenThatOpenedThem) {
    GameHarness h;
    h.skipSplash();
    h.click(h.menu().options);
    EXPECT_EQ(h.state(), GameState::Options);
    h.click(h.options().back);
    EXPECT_EQ(h.state(), GameState::MainMenu);

    h.click(h.menu().play);
    h.pause();
    h.click(h.pauseMenu().options);
    EXPECT_EQ(h.state(), GameState::Options);
    h.click(h.options().back);
    EXPECT_EQ(h.state(), GameState::PauseMenu);
    h.click(h.pauseMenu().leave);
    h.answer(h.leaveQuestion().back);
    EXPECT_EQ(h.state(), GameState::PauseMenu);

    // Enter on the focused options button and Escape (resume) in one frame: the options,
    // opened from the pause menu.
    for (int i = 0; i < 3; ++i) h.tap(sf::Keyboard::Down);
    h.input().setHeld(sf::Keyboard::Enter, true);
    h.holdEscape(true);
    h.frame();
    ASSERT_EQ(h.state(), GameState::Options);
    h.input().setHeld(sf::Keyboard::Enter, false);
    h.holdEscape(false);
    h.click(h.options().back);
    EXPECT_EQ(h.state(), GameState::PauseMenu);
    h.click(h.pauseMenu().resume);
    EXPECT_EQ(h.state(), GameState::Playing);
}

TEST(GameScreens, WorldAskingForTheMenuIsClearedAndEscapeInTheSameFrameWins) {
    for (const bool escape : {false, true}) {
        GameHarness h;
        h.skipSplash();
        h.click(h.menu().play);
        h.game->world.returnToMenu = true;
        h.holdEscape(escape);
        h.frame();
        EXPECT_FALSE(h.game->world.returnToMenu);
        EXPECT_EQ(h.state(), escape ? GameState::PauseMenu : GameState::MainMenu);
        if (escape) h.click(h.pauseMenu().resume);  // as if the world had not asked
        EXPECT_EQ(h.state(), escape ? GameState::Playing : GameState::MainMenu);
    }
}
