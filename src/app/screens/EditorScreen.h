#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/screens/Screen.h"
#include "editor/Editor.h"
#include "menu/LetterSheet.h"
#include "platform/FilledPixel.h"
#include "world/World.h"

// The level editor over the whole window, with a line of what it is doing along the top.
class EditorScreen : public Screen {
public:
    static constexpr GameState kState = GameState::Editor;
    // `start` is where every level starts the player.
    // Levels are tried out in `world`.
    explicit EditorScreen(World& world);

    // Opens the level in `path` (a new one when no file is there); false, with `error`
    // saying why, when the file holds no level.
    bool open(const std::string& path, std::string& error);
    Editor* editor() { return editor_ ? &*editor_ : nullptr; }
    const Editor* editor() const { return editor_ ? &*editor_ : nullptr; }

    // On the way out of the game: changes never saved are kept beside the level rather than lost.
    void keepUnsaved();

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;
    // Back from trying the level out.
    void shown() override;

private:
    void tryOut(ScreenStack& stack, bool fromPointer);
    // Back to the screen it was opened from (the main menu from the command line).
    void leave(ScreenStack& stack);
    void writeLine(GameWindow& window, const std::string& text, float y, Color color);

    World& world_;
    std::optional<Editor> editor_;
    InputState before_;
    LetterSheet letters_;
    Image pixel_ = filledPixel(Color{255, 255, 255, 255});
};
