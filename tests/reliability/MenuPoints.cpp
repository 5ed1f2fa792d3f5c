#include "MenuPoints.h"

#include "app/Game.h"
#include "platform/HeadlessWindow.h"
#include "platform/TimeSource.h"

namespace {
ScreenPoint centre(const MenuButton& button) {
    return ScreenPoint{static_cast<int>(button.hitRect.left + button.hitWidth / 2),
                       static_cast<int>(button.hitRect.top + button.hitHeight / 2)};
}

// A slider's knob box follows its value from its first draw on.
ScreenPoint knobAt(MenuScroll& slider, float value, GameWindow& window) {
    const float configured = slider.value;
    slider.value = value;
    slider.draw(window);
    slider.value = configured;
    return centre(slider);
}
}  // namespace

std::optional<MenuPoints> MenuPoints::ofGameHere() {
    TimeSource::useSimulated(true);
    MenuPoints points;
    bool cacheMatchesFolder = false;
    {
        Game game;
        Image onDisk;
        onDisk.loadFromFile("Content\\Menu\\b_play.png");
        cacheMatchesFolder = game.playButton.sprite.image->width() == onDisk.width();
        HeadlessWindow window;
        points.musicKnobZeroX = knobAt(game.musicSlider, 0, window).x;
        points.soundKnobZeroX = knobAt(game.soundSlider, 0, window).x;
        points.musicKnob = knobAt(game.musicSlider, game.musicSlider.value, window);
        points.soundKnob = knobAt(game.soundSlider, game.soundSlider.value, window);
        points.sliderLength = static_cast<int>(game.musicSlider.length);
        points.play = centre(game.playButton);
        points.options = centre(game.optionsButton);
        points.back = centre(game.backButton);
        points.resume = centre(game.resumeButton);
        points.pauseOptions = centre(game.pauseOptionsButton);
        points.pauseReturn = centre(game.returnButton);
        points.mainMenu = centre(game.mainMenuButton);
        points.fullscreenNo = centre(game.fullscreenNoButton);
        points.closing = {game.quitYesButton.hitRect, game.desktopButton.hitRect};
    }
    TimeSource::useSimulated(false);
    if (!cacheMatchesFolder) return std::nullopt;
    return points;
}
