#include "app/Game.h"

#include "app/screens/EditorScreen.h"
#include "app/screens/LeaveQuestion.h"
#include "app/screens/LevelSelectScreen.h"
#include "app/screens/MainMenuScreen.h"
#include "app/screens/OptionsScreen.h"
#include "app/screens/PauseScreen.h"
#include "app/screens/PlayingScreen.h"
#include "app/screens/QuitQuestion.h"
#include "app/screens/SplashScreen.h"
#include "config/Config.h"
#include "platform/Paths.h"
#include "platform/WriteQueue.h"

const std::vector<std::string>& Game::screenPictures() {
    static const std::vector<std::string> paths{"MossgroveCardOne.jpg", "Content\\Menu\\menu_background.jpg",
                                                "Content\\Menu\\ingame_background.png"};
    return paths;
}

const std::vector<std::string>& Game::largestPictures() {
    static const std::vector<std::string> paths = [] {
        // The splash card and the menus first: the first frame waits for the card.
        std::vector<std::string> all = screenPictures();
        for (const char* drawn : {"Char.png", "Char2.png", "checkpoint_animation.png", "door_animation.png", "key_destroy.png"})
            all.emplace_back(drawn);
        return all;
    }();
    return paths;
}

Game::Game(unsigned seed)
    : sounds(seed),
      world(sounds),
      optionsPath(gameFolders().settings),
      screens_(sounds) {
    screens_.add(std::make_unique<SplashScreen>());
    screens_.add(std::make_unique<MainMenuScreen>(world, unsavedNotice));
    screens_.add(std::make_unique<QuitQuestion>());
    screens_.add(std::make_unique<PlayingScreen>(world, unsavedNotice, controlReader_));
    screens_.add(std::make_unique<PauseScreen>(world, unsavedNotice));
    screens_.add(std::make_unique<LeaveQuestion>());
    screens_.add(std::make_unique<OptionsScreen>(world, unsavedNotice, optionsPath));
    screens_.add(std::make_unique<EditorScreen>(world));
    screens_.add(std::make_unique<LevelSelectScreen>(world, unsavedNotice));
    // The card lies over the main menu until it lifts.
    screens_.restart(GameState::MainMenu);
    screens_.open(GameState::SplashCard);

    const Config config;
    controlReader_ = ControlReader(config);
    screens_.get<OptionsScreen>().readVolumes(config);
    if (const auto damage = Config::damage(settingsToRead()))
        unsavedNotice.report(UnsavedNotice::SettingsUnread, nativePath(settingsToRead()), *damage);
}

void Game::startLevel(const std::string& name, bool apart) {
    screens_.restart(GameState::Playing);
    if (apart) world.playApart(name);
    else world.changeLevel(name);
}

bool Game::openEditor(const std::string& path, std::string& error) {
    if (!screens_.get<EditorScreen>().open(path, error)) return false;
    screens_.restart(GameState::Editor);
    return true;
}

void Game::keepUnsavedEdits() { screens_.get<EditorScreen>().keepUnsaved(); }

void Game::update(GameWindow& window) {
    for (const std::string& failed : WriteQueue::takeFailures()) {
        if (failed == optionsPath) unsavedNotice.report(UnsavedNotice::Settings, nativePath(failed));
        else if (failed == gameFolders().progress || failed == gameFolders().stats)
            unsavedNotice.report(UnsavedNotice::Progress, nativePath(failed));
    }
    screens_.update(window, controlReader_);
}

void Game::draw(GameWindow& window) { screens_.draw(window); }
