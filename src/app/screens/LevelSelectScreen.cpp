#include "app/screens/LevelSelectScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app/screens/EditorScreen.h"
#include "app/screens/MainMenuScreen.h"
#include "app/screens/MenuLayout.h"
#include "app/screens/ScreenStack.h"
#include "platform/Paths.h"
#include "resources/ImageCache.h"
#include "world/OwnLevels.h"

namespace {
constexpr float kTextScale = 0.7f, kTextInset = 40, kTextDrop = 7;
// Half the letter sheet's cell.
constexpr float kCellMiddle = 24;
// The name's room: the row less its insets and the widest time.
constexpr float kNameRoom = 380;

std::string timeText(std::optional<double> seconds) {
    if (!seconds) return "-";
    const long long hundredths = std::llround(*seconds * 100);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld.%02lld", hundredths / 6000, hundredths / 100 % 60, hundredths % 100);
    return text;
}

// The most pages found in a run, before the time: "2/3  1:04.50".
std::string recordText(const BestTimes& times, const Level& level) {
    const auto pages = times.pagesOf(level);
    const std::string found = pages ? std::to_string(pages->found) + "/" + std::to_string(pages->total) + "  " : "";
    return found + timeText(times.of(level));
}

// The level's file name without .txt; its folder's name too when that says something else.
std::string ownName(const std::string& inFolder) {
    const std::filesystem::path path(inFolder);
    const std::string stem = path.stem().string(), folder = path.parent_path().string();
    return folder.empty() || folder == stem ? stem : folder + "/" + stem;
}

// A level of the player's own not yet made: "MyLevelN" in a folder of its own, the first N
// free. Its name has no blank, so the pictures painted in it can be named after it.
std::string freshLevelFile() {
    namespace fs = std::filesystem;
    for (int n = 1;; ++n) {
        const std::string name = "MyLevel" + std::to_string(n);
        const fs::path folder = fs::path(nativePath(gameFolders().levels)) / name;
        std::error_code ec;
        if (!fs::exists(folder, ec)) return (folder / (name + ".txt")).string();
    }
}

MenuButton listRow(size_t i) {
    ButtonPlace place = menuLayout::levelRow;
    place.y += menuLayout::levelRowPitch * static_cast<float>(i);
    return menuButton(place);
}
}  // namespace

LevelSelectScreen::LevelSelectScreen(World& world, UnsavedNotice& notice)
    : Screen(kState),
      background(ImageCache::drawing("Content\\Menu\\levels_bg.png")),
      earlier(menuButton(menuLayout::earlierLevels)),
      later(menuButton(menuLayout::laterLevels)),
      back(menuButton(menuLayout::back)),
      world_(world),
      notice_(notice) {
    for (size_t i = 0; i < kRows; ++i) rows.push_back(listRow(i));
}

void LevelSelectScreen::shown() {
    entries_.clear();
    const int highest = world_.mainProgress().highestLevel;
    for (const std::string& file : Level::shippedFiles()) {
        const Level level = Level::of(file);
        if (level.number <= highest && fileReadable(file))
            entries_.push_back(
                {file, false, "Level " + std::to_string(level.number), recordText(world_.bestTimes, level)});
    }
    for (const std::string& file : ownLevelFiles()) {
        const Level level = Level::of(file);
        entries_.push_back({file, true, ownName(level.timesName), recordText(world_.bestTimes, level)});
        entries_.push_back({file, true, "Edit " + ownName(level.timesName), "", Action::Edit});
    }
    entries_.push_back({freshLevelFile(), true, "New level", "", Action::New});
    showPage(first_ < entries_.size() ? first_ : 0);
}

void LevelSelectScreen::showPage(size_t first) {
    first_ = first;
    std::vector<MenuButton*> focusOrder;
    writing_.clear();
    for (size_t i = 0; i < kRows && first_ + i < entries_.size(); ++i) {
        const Entry& entry = entries_[first_ + i];
        const MenuButton& row = rows[i];
        focusOrder.push_back(&rows[i]);
        const float y = row.y + kTextDrop;
        // A long name is written smaller, on the same middle line.
        const float rowEnd = row.x + menuLayout::levelRow.hitWidth;
        const float timeX = rowEnd - kTextInset - letters_.width(entry.time) * kTextScale;
        // Pages found before the time leave the name less room.
        const float room = std::min(kNameRoom, timeX - row.x - 2 * kTextInset);
        const float nameScale = std::min(kTextScale, room / std::max(1.0f, letters_.width(entry.name)));
        const float nameY = y + (kTextScale - nameScale) * kCellMiddle;
        for (const Sprite& s : letters_.layout(entry.name, row.x + kTextInset, nameY, nameScale)) writing_.push_back(s);
        for (const Sprite& s : letters_.layout(entry.time, timeX, y, kTextScale)) writing_.push_back(s);
    }
    if (first_ > 0) focusOrder.push_back(&earlier);
    if (first_ + kRows < entries_.size()) focusOrder.push_back(&later);
    focusOrder.push_back(&back);
    setButtons(std::move(focusOrder), &back);
}

void LevelSelectScreen::update(GameWindow& window, ScreenStack& stack) {
    stack.sounds().playMusicFor(Music::Title);
    MainMenuScreen::setMenuView(window);
    updateButtons(window, stack.sounds());
    if (back.takeClick()) stack.close();
    if (earlier.takeClick()) showPage(first_ >= kRows ? first_ - kRows : 0);
    if (later.takeClick()) showPage(first_ + kRows);
    for (size_t i = 0; i < kRows && first_ + i < entries_.size(); ++i)
        if (rows[i].takeClick()) pick(entries_[first_ + i], stack);
}

void LevelSelectScreen::pick(const Entry& entry, ScreenStack& stack) {
    if (entry.action != Action::Play) {
        std::string error;
        if (stack.get<EditorScreen>().open(entry.file, error)) stack.open(GameState::Editor);
        else notice_.report(UnsavedNotice::NotEditable, entry.file, error);
        return;
    }
    // An own level returns here; a shipped one goes on through the sequence as Play does.
    if (entry.own) stack.open(GameState::Playing);
    else stack.restart(GameState::Playing);
    world_.playFromStart(entry.file);
}

void LevelSelectScreen::draw(GameWindow& window) {
    window.draw(background);
    drawButtons(window);
    for (const Sprite& s : writing_) window.draw(s);
    notice_.draw(window);
}
