#include "app/screens/ScreenStack.h"

#include <algorithm>

void ScreenStack::add(std::unique_ptr<Screen> screen) { screens_.push_back(std::move(screen)); }

Screen& ScreenStack::find(GameState id) const {
    return **std::find_if(screens_.begin(), screens_.end(), [id](const auto& screen) { return screen->id() == id; });
}

void ScreenStack::open(GameState id) {
    std::vector<Screen*> next = found_.empty() ? shown_ : found_;
    next.push_back(&find(id));
    change(std::move(next));
}

void ScreenStack::close() {
    std::vector<Screen*> next = found_.empty() ? shown_ : found_;
    next.pop_back();
    change(std::move(next));
}

void ScreenStack::restart(GameState id) { change({&find(id)}); }

void ScreenStack::change(std::vector<Screen*> next) {
    shown_ = std::move(next);
    for (const auto& screen : screens_) screen->forget(leftDown_);
    shown_.back()->shown();
}

std::optional<GameState> ScreenStack::beneath(const Screen& screen) const {
    const auto at = std::find(shown_.begin(), shown_.end(), &screen);
    if (at == shown_.end() || at == shown_.begin()) return std::nullopt;
    return (*std::prev(at))->id();
}

void ScreenStack::update(GameWindow& window, const ControlReader& reader) {
    controls_ = reader.forMenus(window.input());
    leftDown_ = window.input().button(MouseButton::Left);
    // Kept up on every screen, so a key held into a menu is no fresh press there.
    const menuControls::MenuInputs now = menuControls::menuInputsOf(window.input(), controls_.holds(Action::Menu));
    const menuControls::MenuInputs fresh = now & ~menuInputsBefore_;
    menuInputsBefore_ = now;
    Screen& top = *shown_.back();
    top.navigate(fresh);
    found_ = shown_;
    top.update(window, *this);
    found_.clear();
}

void ScreenStack::draw(GameWindow& window) {
    size_t bottom = shown_.size() - 1;
    while (bottom > 0 && shown_[bottom]->overlays()) --bottom;
    for (size_t i = bottom; i < shown_.size(); ++i) shown_[i]->draw(window);
}
