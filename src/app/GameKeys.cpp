#include "app/Game.h"

#include "input/PadControls.h"

Game::MenuInputs Game::menuInputsOf(const GameWindow& window) const {
    using padControls::MenuDirection;
    const InputState& input = window.input();
    const MenuDirection pad = padControls::menuDirection(input.pad);
    const bool padOn = input.pad.connected;
    MenuInputs inputs;
    inputs[FocusUp] = input.held(sf::Keyboard::Up) || pad == MenuDirection::Up;
    inputs[FocusDown] = input.held(sf::Keyboard::Down) || pad == MenuDirection::Down;
    inputs[FocusLeft] = input.held(sf::Keyboard::Left) || pad == MenuDirection::Left;
    inputs[FocusRight] = input.held(sf::Keyboard::Right) || pad == MenuDirection::Right;
    inputs[PressFocused] = input.held(sf::Keyboard::Enter) || input.held(sf::Keyboard::Space) ||
                           (padOn && input.pad.button(PadButton::South));
    inputs[GoBack] = controlReader.forMenus(input).holds(Action::Menu) || (padOn && input.pad.button(PadButton::East));
    return inputs;
}

namespace {
constexpr float kSliderStep = 0.05f;
}  // namespace

Game::MenuScreen Game::menuScreen() {
    switch (state) {
        case MainMenu: return {{&playButton, &optionsButton, &quitButton}, nullptr};
        case QuitConfirm: return {{&quitYesButton, &quitNoButton}, &quitNoButton};
        case PauseMenu: return {{&resumeButton, &pauseOptionsButton, &returnButton}, &resumeButton};
        case ExitConfirm: return {{&mainMenuButton, &desktopButton, &backButton}, &backButton};
        case Options:
            return {{&musicSlider, &soundSlider, &fullscreenYesButton, &fullscreenNoButton, &backButton}, &backButton};
        default: return {};
    }
}

void Game::moveFocus(const MenuScreen& screen, int step) {
    const int count = static_cast<int>(screen.buttons.size());
    // The first move from nothing lands on the first button going down, the last going up.
    focus_ = focus_ < 0 ? (step > 0 ? 0 : count - 1) : (focus_ + step + count) % count;
    for (int i = 0; i < count; ++i) screen.buttons[static_cast<size_t>(i)]->focused = i == focus_;
}

void Game::navigateByKeys(const GameWindow& window) {
    // Kept up in every state, so a key held into a menu is no fresh press there.
    const MenuInputs now = menuInputsOf(window);
    const MenuInputs fresh = now & ~menuInputsBefore_;
    menuInputsBefore_ = now;
    const MenuScreen screen = menuScreen();
    if (screen.buttons.empty()) return;

    MenuButton* focused = focus_ >= 0 ? screen.buttons[static_cast<size_t>(focus_)] : nullptr;
    MenuScroll* slider = focused == &musicSlider ? &musicSlider : focused == &soundSlider ? &soundSlider : nullptr;
    if (slider && fresh[FocusLeft]) slider->nudge(-kSliderStep);
    if (slider && fresh[FocusRight]) slider->nudge(kSliderStep);
    if (fresh[FocusDown] || (!slider && fresh[FocusRight])) moveFocus(screen, 1);
    if (fresh[FocusUp] || (!slider && fresh[FocusLeft])) moveFocus(screen, -1);

    // A question takes no answer from the keys either while it has just appeared.
    const bool question = state == QuitConfirm || state == ExitConfirm;
    if (question && screenClock.elapsedSeconds() < kQuestionGuardSeconds) return;
    if (fresh[PressFocused] && focused && !slider) focused->clicked = true;
    if (fresh[GoBack] && screen.back) screen.back->clicked = true;
}
