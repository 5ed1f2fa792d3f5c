#include "app/screens/Screen.h"

#include <algorithm>

#include "menu/MenuScroll.h"

namespace {
constexpr float kSliderStep = 0.05f;
}  // namespace

void Screen::setButtons(std::vector<MenuButton*> focusOrder, MenuButton* back) {
    // The focus the keys gave stays on its button while that one is still listed.
    MenuButton* focused = focus_ >= 0 ? buttons_[static_cast<size_t>(focus_)] : nullptr;
    buttons_ = std::move(focusOrder);
    back_ = back;
    const auto kept = std::find(buttons_.begin(), buttons_.end(), focused);
    focus_ = focused && kept != buttons_.end() ? static_cast<int>(kept - buttons_.begin()) : -1;
    if (focused && focus_ < 0) focused->focused = false;
}

void Screen::updateButtons(GameWindow& window, SoundBank& sounds) {
    for (MenuButton* button : buttons_) button->update(window, sounds);
}

void Screen::drawButtons(GameWindow& window) {
    for (MenuButton* button : buttons_) button->draw(window);
}

void Screen::forget(bool leftDown) {
    focus_ = -1;
    for (MenuButton* button : buttons_) {
        button->forgetPress(leftDown);
        button->focused = false;
    }
}

void Screen::moveFocus(int step) {
    const int count = static_cast<int>(buttons_.size());
    // The first move from nothing lands on the first button going down, the last going up.
    focus_ = focus_ < 0 ? (step > 0 ? 0 : count - 1) : (focus_ + step + count) % count;
    for (int i = 0; i < count; ++i) buttons_[static_cast<size_t>(i)]->focused = i == focus_;
}

void Screen::navigate(const menuControls::MenuInputs& fresh) {
    using namespace menuControls;
    if (buttons_.empty()) return;
    MenuButton* focused = focus_ >= 0 ? buttons_[static_cast<size_t>(focus_)] : nullptr;
    auto* slider = dynamic_cast<MenuScroll*>(focused);
    if (slider && fresh[FocusLeft]) slider->nudge(-kSliderStep);
    if (slider && fresh[FocusRight]) slider->nudge(kSliderStep);
    if (fresh[FocusDown] || (!slider && fresh[FocusRight])) moveFocus(1);
    if (fresh[FocusUp] || (!slider && fresh[FocusLeft])) moveFocus(-1);

    if (!takesPresses()) return;
    if (fresh[PressFocused] && focused && !slider) focused->clicked = true;
    if (fresh[GoBack] && back_) back_->clicked = true;
}
