#pragma once

#include <array>
#include <string>
#include <vector>

#include "menu/LetterSheet.h"
#include "platform/GameWindow.h"

// Tells the player, at the foot of the menus, that progress or settings could not be saved or
// read and where: once for each, from the first report until play goes on. Play itself is
// never interrupted for it.
class UnsavedNotice {
public:
    enum What { Progress = 0, Settings = 1, SettingsUnread = 2, AnotherCopy = 3, NotEditable = 4 };

    // `where` is the file or folder concerned; `why`, when given, is said after it.
    void report(What what, const std::string& where, const std::string& why = "");
    void draw(GameWindow& window);
    // What was drawn has been told.
    void playResumed();
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<Sprite>& sprites() const { return sprites_; }

private:
    void layout();

    LetterSheet letters_;
    std::array<bool, 5> told_{};
    std::vector<std::string> lines_;
    std::vector<Sprite> sprites_;
    size_t drawnLines_ = 0;  // the first lines, which the player has seen
};
