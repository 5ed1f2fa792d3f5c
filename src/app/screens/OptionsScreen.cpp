#include "app/screens/OptionsScreen.h"

#include <cmath>
#include <sstream>

#include "app/screens/MainMenuScreen.h"
#include "app/screens/MenuLayout.h"
#include "app/screens/ScreenStack.h"
#include "platform/WriteQueue.h"
#include "resources/ImageCache.h"

namespace {
// Default stream formatting: six significant digits, no trailing zeros (0.5, 1, 0.666667).
std::string formatVolume(float volume) {
    std::ostringstream out;
    out << volume;
    return out.str();
}
}  // namespace

OptionsScreen::OptionsScreen(World& world, UnsavedNotice& notice, const std::string& optionsPath)
    : Screen(kState),
      background(ImageCache::drawing("Content\\Menu\\options_bg.png")),
      musicSlider(menuSlider(menuLayout::musicKnob)),
      soundSlider(menuSlider(menuLayout::soundKnob)),
      fullscreenYes(menuButton(menuLayout::fullscreenYes)),
      fullscreenNo(menuButton(menuLayout::fullscreenNo)),
      back(menuButton(menuLayout::back)),
      world_(world),
      notice_(notice),
      optionsPath_(optionsPath) {
    setButtons({&musicSlider, &soundSlider, &fullscreenYes, &fullscreenNo, &back}, &back);
}

void OptionsScreen::readVolumes(const Config& config) {
    musicSlider.value = static_cast<float>(config.volume("Music_Volume"));
    soundSlider.value = static_cast<float>(config.volume("Sound_Volume"));
}

void OptionsScreen::update(GameWindow& window, ScreenStack& stack) {
    SoundBank& sounds = stack.sounds();
    back.update(window, sounds);
    fullscreenNo.update(window, sounds);
    fullscreenYes.update(window, sounds);
    keepOnePressForOneSlider(window);
    soundSlider.update(window, sounds);
    musicSlider.update(window, sounds);

    if (back.takeClick()) stack.close();
    if (fullscreenNo.takeClick()) switchDisplayMode(window, stack, false);
    if (fullscreenYes.takeClick()) switchDisplayMode(window, stack, true);
    // The file is written once per drag; the volumes follow the knobs every frame.
    if (musicSlider.changed) writeOption("Sound", "Music_Volume", formatVolume(musicSlider.value));
    if (soundSlider.changed) writeOption("Sound", "Sound_Volume", formatVolume(soundSlider.value));
    sounds.setSoundVolume(soundSlider.value);
    sounds.setMusicVolume(musicSlider.value);
}

void OptionsScreen::draw(GameWindow& window) {
    window.draw(background);
    back.draw(window);
    fullscreenNo.draw(window);
    fullscreenYes.draw(window);
    soundSlider.draw(window);
    musicSlider.draw(window);
    notice_.draw(window);
}

void OptionsScreen::keepOnePressForOneSlider(const GameWindow& window) {
    if (!soundSlider.underPointer(window) || !musicSlider.underPointer(window)) return;
    const float pointerY = MenuButton::pointer(window).y;
    const auto distance = [pointerY](const MenuScroll& slider) {
        return std::fabs(pointerY - (slider.hitRect.top + slider.hitRect.bottom) / 2);
    };
    MenuScroll& farther = distance(soundSlider) <= distance(musicSlider) ? musicSlider : soundSlider;
    farther.forgetPress(true);
}

// Recreating the window resets its view, so the view of the screen beneath is set again.
void OptionsScreen::switchDisplayMode(GameWindow& window, const ScreenStack& stack, bool fullscreen) {
    window.recreate(fullscreen, 64);
    if (stack.beneath(*this) == GameState::MainMenu) MainMenuScreen::setMenuView(window);
    else world_.applyCameraView(window);
    writeOption("Resolution", "Fullscreen", fullscreen ? "1" : "0");
}

void OptionsScreen::writeOption(const std::string& section, const std::string& key, const std::string& value) const {
    WriteQueue::setProfileString(section, key, value, optionsPath_);
}
