#include "MenuPoints.h"

#include "app/Game.h"
#include "app/screens/LeaveQuestion.h"
#include "app/screens/MainMenuScreen.h"
#include "app/screens/OptionsScreen.h"
#include "app/screens/PauseScreen.h"
#include "app/screens/QuitQuestion.h"
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
        const MainMenuScreen& menu = game.screen<MainMenuScreen>();
        OptionsScreen& options = game.screen<OptionsScreen>();
        Image onDisk;
        onDisk.loadFromFile("Content\\Menu\\b_play.png");
        cacheMatchesFolder = menu.play.sprite.image->width() == onDisk.width();
        HeadlessWindow window;
        points.musicKnobZeroX = knobAt(options.musicSlider, 0, window).x;
        points.soundKnobZeroX = knobAt(options.soundSlider, 0, window).x;
        points.musicKnob = knobAt(options.musicSlider, options.musicSlider.value, window);
        points.soundKnob = knobAt(options.soundSlider, options.soundSlider.value, window);
        points.sliderLength = static_cast<int>(options.musicSlider.length);
        points.play = centre(menu.play);
        points.options = centre(menu.options);
        points.back = centre(options.back);
        points.resume = centre(game.screen<PauseScreen>().resume);
        points.pauseOptions = centre(game.screen<PauseScreen>().options);
        points.pauseReturn = centre(game.screen<PauseScreen>().leave);
        points.mainMenu = centre(game.screen<LeaveQuestion>().mainMenu);
        points.fullscreenNo = centre(options.fullscreenNo);
        points.closing = {game.screen<QuitQuestion>().yes.hitRect, game.screen<LeaveQuestion>().desktop.hitRect};
    }
    TimeSource::useSimulated(false);
    if (!cacheMatchesFolder) return std::nullopt;
    return points;
}
