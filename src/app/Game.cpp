#include "app/Game.h"

#include "audio/SoundBank.h"
#include "config/Config.h"
#include "platform/Paths.h"
#include "platform/WriteQueue.h"
#include "resources/ImageCache.h"

namespace {
Image loadedImage(const std::string& path) {
    Image image;
    image.loadFromFile(path);
    return image;
}

Image filledPixel(Color color) {
    Image image;
    image.create(1, 1, color);
    image.setSmooth(false);
    return image;
}

Sprite stretchedPixel(const Image& pixel, float x, float y, float scaleX, float scaleY) {
    Sprite sprite(&pixel);
    sprite.setPosition(x, y);
    sprite.scaleX = scaleX;
    sprite.scaleY = scaleY;
    return sprite;
}

Image splashCardImage() {
    Image image = loadedImage("MossgroveCardOne.jpg");
    image.setSmooth(false);
    return image;
}

// Centred on the logical screen and fully transparent until the fade-in starts.
Sprite hiddenCentredCard(const Image& card) {
    Sprite sprite(&card);
    sprite.setPosition(static_cast<float>(512 - static_cast<int>(card.width() / 2)),
                       static_cast<float>(384 - static_cast<int>(card.height() / 2)));
    fadeAlpha(sprite, -255);
    return sprite;
}
}  // namespace

void fadeAlpha(Sprite& sprite, float step) {
    const float sum = static_cast<float>(sprite.color.a) + step;
    const int alpha = sum > 255 ? 255 : sum < 0 ? 0 : static_cast<int>(sum);
    sprite.color = Color{255, 255, 255, static_cast<std::uint8_t>(alpha)};
}

Game::Game()
    : startPictures({"Char.png", "Char2.png", "checkpoint_animation.png", "door_animation.png", "key_destroy.png",
                     "MossgroveCardOne.jpg", "Content\\Menu\\menu_background.jpg",
                     "Content\\Menu\\ingame_background.png"}),
      menuView(sf::FloatRect(0, 0, 1024, 768)),
      dimImage(filledPixel(Color{0, 0, 0, 200})),
      dimOverlay(stretchedPixel(dimImage, -2000, -2000, 4000, 4000)),
      splashImage(splashCardImage()),
      splashCard(hiddenCentredCard(splashImage)),
      veilImage(filledPixel(Color{255, 255, 255, 255})),
      whiteVeil(stretchedPixel(veilImage, 0, 0, 1024, 768)),
      menuBackgroundImage(loadedImage("Content\\Menu\\menu_background.jpg")),
      menuBackground(&menuBackgroundImage),
      ingameBackgroundImage(loadedImage("Content\\Menu\\ingame_background.png")),
      ingameBackground(&ingameBackgroundImage),
      optionsBackground(ImageCache::get("Content\\Menu\\options_bg.png")),
      playButton("Content\\Menu\\b_play.png", "Content\\Menu\\hover_play.png", 550, 160, 394, 35, -55, -10, 6, false,
                 true),
      optionsButton("Content\\Menu\\b_options.png", "Content\\Menu\\hover_options.png", 570, 230, 280, 60, -20, 0, 6,
                    false, true),
      quitButton("Content\\Menu\\b_quit.png", "Content\\Menu\\hover_play.png", 590, 350, 189, 60, -70, 0, 6, false,
                 true),
      quitYesButton("Content\\Menu\\yes.png", "Content\\Menu\\hover_small.png", 760, 320, 95, 60, -30, 0, 6, false,
                    true),
      quitNoButton("Content\\Menu\\no.png", "Content\\Menu\\hover_small.png", 900, 290, 95, 60, -30, 0, 6, false,
                   true),
      returnButton("Content\\Menu\\ingame_return.png", "Content\\Menu\\hover_ingame_exit.png", 320, 400, 450, 60, -40,
                   -30, 6, false, true),
      pauseOptionsButton("Content\\Menu\\ingame_options.png", "Content\\Menu\\hover_options.png", 420, 280, 260, 60,
                         -30, -10, 6, false, true),
      resumeButton("Content\\Menu\\ingame_resume.png", "Content\\Menu\\hover_options.png", 420, 160, 260, 60, -30,
                   -10, 6, false, true),
      mainMenuButton("Content\\Menu\\ingame_mainmenu.png", "Content\\Menu\\hover_mainmenu.png", 180, 515, 365, 55,
                     -40, -20, 6, false, true),
      desktopButton("Content\\Menu\\ingame_desktop.png", "Content\\Menu\\hover_desktop.png", 630, 515, 270, 63, -40,
                    -10, 6, false, true),
      fullscreenYesButton("Content\\Menu\\yes.png", "Content\\Menu\\hover_small.png", 550, 385, 95, 60, -30, 0, 6,
                          false, true),
      fullscreenNoButton("Content\\Menu\\no.png", "Content\\Menu\\hover_small.png", 700, 385, 95, 60, -35, 0, 6,
                         false, true),
      backButton("Content\\Menu\\back.png", "Content\\Menu\\hover_back.png", 160, 635, 165, 50, -30, -10, 6, false,
                 true),
      soundSlider(330, "Content\\Menu\\dot.png", "Content\\Menu\\dot.png", 380, 300, 100, 100, 0, 0, 1),
      musicSlider(330, "Content\\Menu\\dot.png", "Content\\Menu\\dot.png", 380, 210, 100, 100, 0, 0, 1),
      optionsPath(gameFolders().settings) {
    const Config config;
    controlReader = ControlReader(config);
    musicSlider.value = static_cast<float>(config.volume("Music_Volume"));
    soundSlider.value = static_cast<float>(config.volume("Sound_Volume"));
    if (const auto damage = Config::damage(settingsToRead()))
        unsavedNotice.report(UnsavedNotice::SettingsUnread, nativePath(settingsToRead()), *damage);
}

void Game::changeState(int next) {
    previousState = state;
    state = next;
    if (next == Playing) unsavedNotice.playResumed();
    screenClock.restart();
    focus_ = -1;
    // A button needs a press that starts while its own screen shows.
    for (MenuButton* widget : widgets()) {
        widget->forgetPress(leftDown_);
        widget->focused = false;
    }
}

std::array<MenuButton*, 15> Game::widgets() {
    return {&playButton,         &optionsButton,       &quitButton,    &quitYesButton,  &quitNoButton,
            &returnButton,       &pauseOptionsButton,  &resumeButton,  &mainMenuButton, &desktopButton,
            &fullscreenYesButton, &fullscreenNoButton, &backButton,    &soundSlider,    &musicSlider};
}

void Game::guardQuestion(std::initializer_list<MenuButton*> answers) {
    if (screenClock.elapsedSeconds() >= kQuestionGuardSeconds) return;
    for (MenuButton* answer : answers) answer->forgetPress(true);
}

void Game::startLevel(const std::string& name, bool apart) {
    changeState(Playing);
    if (apart) world.playApart(name);
    else world.changeLevel(name);
}

void Game::setMenuView(GameWindow& window) {
    menuView.setCenter(512, 384);
    window.setView(menuView);
}

void Game::update(GameWindow& window) {
    leftDown_ = window.input().button(MouseButton::Left);
    navigateByKeys(window);
    for (const std::string& failed : WriteQueue::takeFailures()) {
        if (failed == optionsPath) unsavedNotice.report(UnsavedNotice::Settings, nativePath(failed));
        else if (failed == gameFolders().progress) unsavedNotice.report(UnsavedNotice::Progress, nativePath(failed));
    }
    if (state == SplashCard || state == MainMenu) soundBank().playMusicFor(Music::Title);

    // Transitions are tested in order; when two fire in one frame the later one wins.
    switch (state) {
        case SplashCard: updateSplash(window); break;
        case MainMenu:
            setMenuView(window);
            playButton.update(window);
            optionsButton.update(window);
            quitButton.update(window);
            if (playButton.takeClick()) {
                changeState(Playing);
                world.continueLevel();
            }
            if (optionsButton.takeClick()) changeState(Options);
            if (quitButton.takeClick()) changeState(QuitConfirm);
            break;
        case QuitConfirm:
            guardQuestion({&quitYesButton, &quitNoButton});
            quitYesButton.update(window);
            quitNoButton.update(window);
            if (quitYesButton.clicked) window.close();
            if (quitNoButton.takeClick()) changeState(MainMenu);
            break;
        case Playing:
            world.update(window, controlReader);
            if (world.returnToMenu) {
                world.returnToMenu = false;
                changeState(MainMenu);
            }
            if (controlReader.forMenus(window.input()).holds(Action::Menu)) changeState(PauseMenu);
            break;
        case PauseMenu:
            resumeButton.update(window);
            pauseOptionsButton.update(window);
            returnButton.update(window);
            if (resumeButton.takeClick()) changeState(Playing);
            if (pauseOptionsButton.takeClick()) changeState(Options);
            if (returnButton.takeClick()) changeState(ExitConfirm);
            break;
        case ExitConfirm:
            guardQuestion({&mainMenuButton, &desktopButton, &backButton});
            mainMenuButton.update(window);
            desktopButton.update(window);
            backButton.update(window);
            if (mainMenuButton.takeClick()) changeState(MainMenu);
            if (desktopButton.takeClick()) window.close();
            if (backButton.takeClick()) changeState(PauseMenu);
            break;
        case Options: updateOptions(window); break;
        default: break;
    }
}

void Game::updateSplash(GameWindow& window) {
    const float shown = splashClock.elapsedSeconds();
    if (controlReader.forMenus(window.input()).holds(Action::Menu)) changeState(MainMenu);
    else if (shown > 5.0f) changeState(MainMenu);
    else if (window.input().button(MouseButton::Left)) changeState(MainMenu);

    // The fades step per frame, not per second.
    if (shown > 3.5f) fadeAlpha(whiteVeil, -3);
    if (shown > 3.0f) fadeAlpha(splashCard, -3);
    else if (shown > 0.4f) fadeAlpha(splashCard, 3);
}

void Game::drawMainMenu(GameWindow& window) {
    window.draw(menuBackground);
    playButton.draw(window);
    optionsButton.draw(window);
    quitButton.draw(window);
    unsavedNotice.draw(window);
}

void Game::drawPauseMenu(GameWindow& window) {
    window.draw(ingameBackground);
    resumeButton.draw(window);
    pauseOptionsButton.draw(window);
    returnButton.draw(window);
    unsavedNotice.draw(window);
}

void Game::draw(GameWindow& window) {
    switch (state) {
        case SplashCard:
            drawMainMenu(window);
            window.draw(whiteVeil);
            window.draw(splashCard);
            break;
        case MainMenu: drawMainMenu(window); break;
        case QuitConfirm:
            drawMainMenu(window);
            window.draw(dimOverlay);
            quitYesButton.draw(window);
            quitNoButton.draw(window);
            break;
        case Playing: world.draw(window); break;
        case PauseMenu: drawPauseMenu(window); break;
        case ExitConfirm:
            drawPauseMenu(window);
            window.draw(dimOverlay);
            mainMenuButton.draw(window);
            desktopButton.draw(window);
            backButton.draw(window);
            break;
        case Options:
            window.draw(optionsBackground);
            backButton.draw(window);
            fullscreenNoButton.draw(window);
            fullscreenYesButton.draw(window);
            soundSlider.draw(window);
            musicSlider.draw(window);
            unsavedNotice.draw(window);
            break;
        default: break;
    }
}
