#include <gtest/gtest.h>

#include <array>

#include "GameHarness.h"

TEST(GameSplash, EscapeOrMouseOnTheFirstFrameSkipsItAtOnce) {
    for (const bool useEscape : {true, false}) {
        GameHarness h;
        if (useEscape) h.holdEscape(true);
        else h.input().setButton(MouseButton::Left, true);
        h.frame();
        EXPECT_EQ(h.game->state, MainMenu);
        EXPECT_EQ(h.game->previousState, SplashCard);
        EXPECT_FALSE(h.drew(h.game->splashImage));
        EXPECT_FALSE(h.drew(h.game->veilImage));
        EXPECT_TRUE(h.drew(h.game->menuBackgroundImage));
    }
}

TEST(GameSplash, CardFadesInHoldsAndFadesOutThenTheMenuTakesOverAfterFiveSeconds) {
    GameHarness h;
    Sprite& card = h.game->splashCard;
    Sprite& veil = h.game->whiteVeil;
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
    EXPECT_TRUE(h.drew(h.game->veilImage));
    EXPECT_TRUE(h.drew(h.game->splashImage));
    h.frames(61);  // up to frame 300, exactly 5.0 s
    EXPECT_EQ(h.game->state, SplashCard);
    EXPECT_EQ(card.color.a, 0);
    EXPECT_EQ(veil.color.a, 0);
    h.frame();
    EXPECT_EQ(h.game->state, MainMenu);
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
    h.click(h.game->quitButton);
    EXPECT_EQ(h.game->state, QuitConfirm);
    EXPECT_FALSE(h.game->quitButton.clicked);
    EXPECT_TRUE(h.drew(h.game->dimImage));
    h.answer(h.game->quitNoButton);
    EXPECT_EQ(h.game->state, MainMenu);
    EXPECT_FALSE(h.game->quitNoButton.clicked);
    EXPECT_FALSE(h.game->quitNoButton.hoverActive);
    h.click(h.game->quitButton);
    h.answer(h.game->quitYesButton);
    EXPECT_FALSE(h.window.isOpen());
}

// A menu frame, the pointer away from every button: the background, then each button's picture.
TEST(GameScreens, MenusDrawTheirBackgroundThenEveryButton) {
    GameHarness h;
    h.pointAt(0, 0);
    h.skipSplash();
    Game& g = *h.game;
    const auto drawnImages = [&h] {
        std::vector<const Image*> images;
        for (const Sprite& sprite : h.window.drawn) images.push_back(sprite.image);
        return images;
    };
    h.frame();
    EXPECT_EQ(drawnImages(), (std::vector<const Image*>{&g.menuBackgroundImage, g.playButton.sprite.image,
                                                       g.optionsButton.sprite.image, g.quitButton.sprite.image}));
    h.click(g.playButton);
    h.pointAt(0, 0);
    h.pause();
    h.frame();
    EXPECT_EQ(drawnImages(), (std::vector<const Image*>{&g.ingameBackgroundImage, g.resumeButton.sprite.image,
                                                       g.pauseOptionsButton.sprite.image, g.returnButton.sprite.image}));
}

TEST(GameScreens, PlayResumesThroughTheWorldAndEscapeOpensThePauseMenu) {
    GameHarness h;
    h.skipSplash();
    h.click(h.game->playButton);
    EXPECT_EQ(h.game->state, Playing);
    EXPECT_EQ(h.game->previousState, MainMenu);
    h.frames(3);
    EXPECT_EQ(h.game->state, Playing);
    h.holdEscape(true);
    h.frame();
    EXPECT_EQ(h.game->state, PauseMenu);
    // The pause menu does not react to Escape; the world stands still behind it.
    const float x = h.game->world.player.x, y = h.game->world.player.y;
    h.frames(30);
    EXPECT_EQ(h.game->state, PauseMenu);
    EXPECT_EQ(h.game->world.player.x, x);
    EXPECT_EQ(h.game->world.player.y, y);
    EXPECT_TRUE(h.drew(h.game->ingameBackgroundImage));
    // Escape still held when resume is clicked reopens the menu on the next frame.
    h.click(h.game->resumeButton);
    EXPECT_EQ(h.game->state, Playing);
    h.frame();
    EXPECT_EQ(h.game->state, PauseMenu);
    EXPECT_EQ(h.game->previousState, Playing);
    h.holdEscape(false);
    h.click(h.game->resumeButton);
    EXPECT_EQ(h.game->state, Playing);
    h.frame();
    EXPECT_EQ(h.game->state, Playing);
}

TEST(GameScreens, LeaveQuestionGoesBackToThePauseMenuTheMainMenuOrTheDesktop) {
    GameHarness h;
    h.skipSplash();
    h.click(h.game->playButton);
    h.pause();
    h.click(h.game->returnButton);
    EXPECT_EQ(h.game->state, ExitConfirm);
    EXPECT_TRUE(h.drew(h.game->dimImage));
    h.answer(h.game->backButton);
    EXPECT_EQ(h.game->state, PauseMenu);
    h.click(h.game->returnButton);
    h.answer(h.game->mainMenuButton);
    EXPECT_EQ(h.game->state, MainMenu);
    h.click(h.game->playButton);
    EXPECT_EQ(h.game->state, Playing);
    h.pause();
    h.click(h.game->returnButton);
    h.answer(h.game->desktopButton);
    EXPECT_FALSE(h.window.isOpen());
}

TEST(GameScreens, PlayAfterLeavingResumesAtTheSavedCheckpointNotWhereTheWorldWasFrozen) {
    GameHarness h("[Player]\nGravity=0.3\nMaxGravity=12\nSizeX=40\nSizeY=90\n");
    h.skipSplash();
    h.click(h.game->playButton);
    const float resumedY = h.game->world.player.y;
    h.frames(20);  // nothing to stand on: the player falls
    ASSERT_NE(h.game->world.player.y, resumedY);
    h.pause();
    h.click(h.game->returnButton);
    h.answer(h.game->mainMenuButton);
    ASSERT_EQ(h.game->state, MainMenu);
    h.click(h.game->playButton);
    EXPECT_EQ(h.game->world.player.y, resumedY);
}

TEST(GameScreens, WorldAskingForTheMenuIsClearedAndEscapeInTheSameFrameWins) {
    for (const bool escape : {false, true}) {
        GameHarness h;
        h.skipSplash();
        h.click(h.game->playButton);
        h.game->world.returnToMenu = true;
        h.holdEscape(escape);
        h.frame();
        EXPECT_FALSE(h.game->world.returnToMenu);
        EXPECT_EQ(h.game->state, escape ? PauseMenu : MainMenu);
        EXPECT_EQ(h.game->previousState, escape ? MainMenu : Playing);
    }
}

TEST(GameScreens, OptionsReturnToTheScreenTheyWereOpenedFrom) {
    GameHarness h;
    h.skipSplash();
    h.click(h.game->optionsButton);
    EXPECT_EQ(h.game->state, Options);
    EXPECT_TRUE(h.drew(*h.game->optionsBackground.image));
    h.click(h.game->backButton);
    EXPECT_EQ(h.game->state, MainMenu);

    h.click(h.game->playButton);
    h.pause();
    h.click(h.game->pauseOptionsButton);
    EXPECT_EQ(h.game->state, Options);
    h.click(h.game->backButton);
    EXPECT_EQ(h.game->state, PauseMenu);
}

TEST(GameScreens, EveryButtonHasItsPlaceHitBoxAndHoverStrip) {
    GameHarness h;
    Game& g = *h.game;
    struct Row {
        const MenuButton& button;
        float x, y, hitWidth, hitHeight, hoverX, hoverY;
    };
    const Row rows[] = {
        {g.playButton, 550, 160, 394, 35, -55, -10},         {g.optionsButton, 570, 230, 280, 60, -20, 0},
        {g.quitButton, 590, 350, 189, 60, -70, 0},           {g.quitYesButton, 760, 320, 95, 60, -30, 0},
        {g.quitNoButton, 900, 290, 95, 60, -30, 0},          {g.returnButton, 320, 400, 450, 60, -40, -30},
        {g.pauseOptionsButton, 420, 280, 260, 60, -30, -10}, {g.resumeButton, 420, 160, 260, 60, -30, -10},
        {g.mainMenuButton, 180, 515, 365, 55, -40, -20},     {g.desktopButton, 630, 515, 270, 63, -40, -10},
        {g.fullscreenYesButton, 550, 385, 95, 60, -30, 0},   {g.fullscreenNoButton, 700, 385, 95, 60, -35, 0},
        {g.backButton, 160, 635, 165, 50, -30, -10},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.x * 1000 + r.y);
        EXPECT_EQ(r.button.x, r.x);
        EXPECT_EQ(r.button.y, r.y);
        EXPECT_EQ(r.button.hitWidth, r.hitWidth);
        EXPECT_EQ(r.button.hitHeight, r.hitHeight);
        EXPECT_EQ(r.button.hoverOffsetX, r.hoverX);
        EXPECT_EQ(r.button.hoverOffsetY, r.hoverY);
        EXPECT_EQ(r.button.hoverFrames, 6);
        EXPECT_FALSE(r.button.sprite.flipX);
        EXPECT_TRUE(r.button.ringOnHover);
    }
}

TEST(GameScreens, DimmerAndCardArePlacedAsTheScreensNeed) {
    GameFolderCopy folder;
    Image card;
    ASSERT_TRUE(card.loadFromFile("MossgroveCardOne.jpg"));
    const Game game;
    // The dimmer darkens everything behind the questions.
    EXPECT_EQ(game.dimImage.pixel(0, 0), (Color{0, 0, 0, 200}));
    EXPECT_FALSE(game.dimImage.smooth());
    const Sprite& dim = game.dimOverlay;
    EXPECT_EQ((std::array{dim.x, dim.y, dim.scaleX, dim.scaleY}), (std::array{-2000.f, -2000.f, 4000.f, 4000.f}));
    // The card is the card picture, centred on the logical screen.
    EXPECT_EQ(game.splashImage.width(), card.width());
    EXPECT_EQ(game.splashImage.height(), card.height());
    EXPECT_FALSE(game.splashImage.smooth());
    EXPECT_EQ(game.splashCard.x, static_cast<float>(512 - static_cast<int>(card.width() / 2)));
    EXPECT_EQ(game.splashCard.y, static_cast<float>(384 - static_cast<int>(card.height() / 2)));
}
