#include <cmath>
#include <sstream>

#include "app/Game.h"
#include "audio/SoundBank.h"
#include "platform/FileWriter.h"

namespace {
// Default stream formatting: six significant digits, no trailing zeros (0.5, 1, 0.666667).
std::string formatVolume(float volume) {
    std::ostringstream out;
    out << volume;
    return out.str();
}
}  // namespace

void Game::updateOptions(GameWindow& window) {
    backButton.update(window);
    fullscreenNoButton.update(window);
    fullscreenYesButton.update(window);
    keepOnePressForOneSlider(window);
    soundSlider.update(window);
    musicSlider.update(window);

    if (backButton.takeClick()) changeState(previousState == MainMenu ? MainMenu : PauseMenu);
    if (fullscreenNoButton.takeClick()) switchDisplayMode(window, false);
    if (fullscreenYesButton.takeClick()) switchDisplayMode(window, true);
    // The file is written once per drag; the volumes follow the knobs every frame.
    if (musicSlider.changed) writeOption("Sound", "Music_Volume", formatVolume(musicSlider.value));
    if (soundSlider.changed) writeOption("Sound", "Sound_Volume", formatVolume(soundSlider.value));
    soundBank().setSoundVolume(soundSlider.value);
    soundBank().setMusicVolume(musicSlider.value);
}

void Game::keepOnePressForOneSlider(const GameWindow& window) {
    if (!soundSlider.underPointer(window) || !musicSlider.underPointer(window)) return;
    const float pointerY = MenuButton::pointer(window).y;
    const auto distance = [pointerY](const MenuScroll& slider) {
        return std::fabs(pointerY - (slider.hitRect.top + slider.hitRect.bottom) / 2);
    };
    MenuScroll& farther = distance(soundSlider) <= distance(musicSlider) ? musicSlider : soundSlider;
    farther.forgetPress(true);
}

// Recreating the window resets its view, so the view of the screen the options came
// from is set again.
void Game::switchDisplayMode(GameWindow& window, bool fullscreen) {
    window.recreate(fullscreen, 64);
    if (previousState == MainMenu) setMenuView(window);
    else world.applyCameraView(window);
    writeOption("Resolution", "Fullscreen", fullscreen ? "1" : "0");
}

void Game::writeOption(const std::string& section, const std::string& key, const std::string& value) const {
    writeProfileString(section, key, value, optionsPath);
}
