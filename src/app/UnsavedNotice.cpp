#include "app/UnsavedNotice.h"

#include <algorithm>

void UnsavedNotice::report(What what, const std::string& where, const std::string& why) {
    if (told_[what]) return;
    told_[what] = true;
    static constexpr std::array<const char*, 5> kSays = {
        "Progress could not be saved to ", "Settings could not be saved to ",
        "The game's own settings stand in: could not read ",
        "Another copy of the game is playing here: this one saves nothing in ",
        "The editor could not open "};
    lines_.push_back(kSays[what] + where + (why.empty() ? "" : " (" + why + ")"));
    layout();
}

// Lines stack up from just above the grass the menus draw along the foot of the 1024 x 768
// screen, clear of the options screen's back button; a long path is written smaller rather
// than cut.
void UnsavedNotice::layout() {
    sprites_.clear();
    constexpr float kLineHeight = 30, kMargin = 12, kBottom = 630;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const float scale = std::min(0.6f, (1024 - 2 * kMargin) / std::max(1.0f, letters_.width(lines_[i])));
        const float y = kBottom - kLineHeight * static_cast<float>(lines_.size() - i);
        const std::vector<Sprite> line = letters_.layout(lines_[i], kMargin, y, scale);
        sprites_.insert(sprites_.end(), line.begin(), line.end());
    }
}

void UnsavedNotice::draw(GameWindow& window) {
    if (lines_.empty()) return;
    for (const Sprite& s : sprites_) window.draw(s);
    drawnLines_ = lines_.size();
}

// A failure reported on the way into play has not been seen yet and stays.
void UnsavedNotice::playResumed() {
    if (drawnLines_ == 0) return;
    lines_.erase(lines_.begin(), lines_.begin() + static_cast<long>(drawnLines_));
    drawnLines_ = 0;
    layout();
}
