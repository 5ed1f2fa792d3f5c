#pragma once

#include <string>
#include <vector>

#include "app/UnsavedNotice.h"
#include "app/screens/Screen.h"
#include "menu/LetterSheet.h"
#include "platform/Sprite.h"
#include "world/World.h"

// The shipped levels up to the highest one reached, then the player's own, each with its best
// time; a page of rows at a time. A shipped level picked plays on the main progress as if
// reached in the sequence; an own level plays apart and comes back here at its goal.
class LevelSelectScreen : public Screen {
public:
    static constexpr GameState kState = GameState::LevelSelect;
    static constexpr size_t kRows = 9;
    LevelSelectScreen(World& world, UnsavedNotice& notice);

    void update(GameWindow& window, ScreenStack& stack) override;
    void draw(GameWindow& window) override;
    // Lists the levels afresh: one copied into the folder, or a time just set, shows at once.
    void shown() override;

    // A row plays its level, opens it in the editor, or starts a new level there.
    enum class Action { Play, Edit, New };
    struct Entry {
        std::string file;
        bool own = false;
        std::string name, time;
        Action action = Action::Play;
    };
    const std::vector<Entry>& entries() const { return entries_; }

    Sprite background;
    // Row i shows entry first + i.
    std::vector<MenuButton> rows;
    MenuButton earlier;
    MenuButton later;
    MenuButton back;

private:
    // Shows the page whose top row is entry `first`.
    void showPage(size_t first);
    void pick(const Entry& entry, ScreenStack& stack);

    World& world_;
    UnsavedNotice& notice_;
    LetterSheet letters_;
    std::vector<Entry> entries_;
    size_t first_ = 0;
    std::vector<Sprite> writing_;
};
