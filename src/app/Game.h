#pragma once

#include <string>
#include <vector>

#include "app/UnsavedNotice.h"
#include "app/screens/GameState.h"
#include "app/screens/ScreenStack.h"
#include "input/ControlReader.h"
#include "platform/GameWindow.h"
#include "world/World.h"

// The world and the screens in front of it, from the splash card on.
class Game {
public:
    // `seed` starts the sound variant picks.
    explicit Game(unsigned seed = 1);
    // The largest pictures a window shows first: worth decoding on the other cores while the
    // game starts (headless they are never decoded at all).
    static const std::vector<std::string>& largestPictures();
    // Those of them that only the screens in front of play show.
    static const std::vector<std::string>& screenPictures();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void update(GameWindow& window);
    void draw(GameWindow& window);
    // Straight into a level, past the splash card and the menu. A level started apart (the
    // command line's) leaves the player's progress as it was.
    void startLevel(const std::string& name, bool apart = false);
    // Straight into the editor on a level file (a new level when there is none); false, with
    // `error` saying why, when the file holds no level.
    bool openEditor(const std::string& path, std::string& error);
    // Before the game ends: keeps what the editor holds unsaved.
    void keepUnsavedEdits();

    GameState state() const { return screens_.top(); }
    template <class S>
    S& screen() {
        return screens_.get<S>();
    }
    template <class S>
    const S& screen() const {
        return screens_.get<S>();
    }

    // Every sound and music of this game, on the audio device.
    SoundBank sounds;
    World world;
    UnsavedNotice unsavedNotice;
    // Where the options screen writes its settings (see GameFolders). Tests point it elsewhere.
    std::string optionsPath;

private:
    // The player's bindings, from config.ini's [Controls].
    ControlReader controlReader_;
    ScreenStack screens_;
};
