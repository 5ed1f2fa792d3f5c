#include "GameSession.h"

#include <fstream>
#include <iostream>

namespace {
std::string currentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "." + info->name() : "outside-a-test";
}

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The left edge of the screen is free of buttons on every menu.
screen::Region leftStrip(const Image& shot, double fromTop, double toTop) {
    const int h = static_cast<int>(shot.height());
    return screen::Region{0, static_cast<int>(h * fromTop), static_cast<int>(shot.width() * 100 / 1024),
                          static_cast<int>(h * (toTop - fromTop))};
}
}  // namespace

GameSession::GameSession()
    : shots_(std::filesystem::path(TORVE_GAME_DIR).parent_path() / "window-shots" / currentTestName()) {
    std::error_code ec;
    std::filesystem::remove_all(shots_, ec);
    std::filesystem::create_directories(shots_);
}

bool GameSession::start() {
    if (!game_.displayReady() || !game_.start()) return false;
    window_ = x11::findWindow(display(), "Torve", 20);
    if (!window_) return false;
    focus();
    return true;
}

bool GameSession::awaitNewWindow() {
    const unsigned long old = window_;
    const auto start = std::chrono::steady_clock::now();
    while (secondsSince(start) < 10) {
        const unsigned long found = x11::findWindow(display(), "Torve", 0);
        if (found && found != old) {
            window_ = found;
            keepOnScreen();
            focus();
            return true;
        }
        waitSeconds(0.05);
    }
    return false;
}

// A window that hangs over the edge of the screen cannot be read whole.
void GameSession::keepOnScreen() {
    const auto g = x11::geometry(display(), window_);
    const auto root = x11::geometry(display(), x11::rootWindow(display()));
    if (!g || !root || (g->x >= 0 && g->y >= 0 && g->x + static_cast<int>(g->width) <= static_cast<int>(root->width) &&
                        g->y + static_cast<int>(g->height) <= static_cast<int>(root->height)))
        return;
    x11::xdotool(display(), "windowmove --sync " + std::to_string(window_) + " 0 0");
}

void GameSession::focus() { x11::xdotool(display(), "windowfocus --sync " + std::to_string(window_)); }

void GameSession::pointAt(float x, float y) {
    const auto g = x11::geometry(display(), window_);
    if (!g) return;
    const int wx = static_cast<int>(x * static_cast<float>(g->width) / 1024);
    const int wy = static_cast<int>(y * static_cast<float>(g->height) / 768);
    x11::xdotool(display(), "mousemove --window " + std::to_string(window_) + " " + std::to_string(wx) + " " +
                                std::to_string(wy));
    waitSeconds(0.1);
}

void GameSession::pressLeft() {
    x11::xdotool(display(), "mousedown 1");
    waitSeconds(0.1);
    x11::xdotool(display(), "mouseup 1");
    waitSeconds(0.1);
}

std::pair<float, float> GameSession::centreOf(const ButtonSpot& button) const {
    const Image& still = picture(button.picture);
    return {button.x + static_cast<float>(still.width()) / 2, button.y + static_cast<float>(still.height()) / 2};
}

void GameSession::click(const ButtonSpot& button) {
    const auto [x, y] = centreOf(button);
    pointAt(x, y);
    pressLeft();
}

void GameSession::keyDown(const std::string& key) { x11::xdotool(display(), "keydown " + key); }
void GameSession::keyUp(const std::string& key) { x11::xdotool(display(), "keyup " + key); }

void GameSession::hold(const std::string& key, double seconds) {
    keyDown(key);
    waitSeconds(seconds);
    keyUp(key);
}

const Image& GameSession::picture(const std::string& name) const {
    auto [it, fresh] = pictures_.try_emplace(name);
    // A missing picture stays empty, quietly: the game copes without it and so must the test.
    if (fresh && std::filesystem::exists(folder() / name)) it->second.loadFromFile((folder() / name).string());
    return it->second;
}

void GameSession::keep(const Image& image, const std::string& step) {
    lastShot_ = shots_ / (twoDigits(++shotCount_) + "-" + step + ".png");
    if (image.width() == 0 || !image.saveToFile(lastShot_.string())) lastShot_ += " (the window could not be read)";
}

Image GameSession::shot(const std::string& step) {
    Image image = x11::capture(display(), window_);
    keep(image, step);
    return image;
}

bool GameSession::waitForShot(const std::string& step, const std::function<bool(const Image&)>& accept,
                              double seconds, Image* last) {
    const auto start = std::chrono::steady_clock::now();
    Image image;
    bool accepted = false;
    do {
        image = x11::capture(display(), window_);
        accepted = image.width() > 0 && accept(image);
        if (!accepted) waitSeconds(0.05);
    } while (!accepted && secondsSince(start) < seconds);
    keep(image, step);
    if (last) *last = image;
    return accepted;
}

// The menu whose background most of the shot agrees with; widgets cover the rest.
const char* GameSession::menuShown(const Image& shot) const {
    const char* shown = nullptr;
    double best = 0.6;
    for (const char* background : {screens::mainMenu, screens::pauseMenu, screens::options}) {
        const double share = screen::matchingFraction(shot, picture(background), screen::whole(shot));
        if (share > best) {
            best = share;
            shown = background;
        }
    }
    return shown;
}

bool GameSession::waitForMenu(const std::string& step, const char* background, double seconds) {
    return waitForShot(step, [&](const Image& s) { return shows(s, background); }, seconds);
}

bool GameSession::shows(const Image& shot, const char* background) const { return menuShown(shot) == background; }

// The white veil over the whole screen: both sides stay white beside the card, top to bottom.
bool GameSession::showsSplash(const Image& shot) const {
    const int w = static_cast<int>(shot.width());
    screen::Region right = leftStrip(shot, 0, 1);
    right.left = w - right.width;
    return screen::nonWhiteFraction(shot, leftStrip(shot, 0, 1)) < 0.01 && screen::nonWhiteFraction(shot, right) < 0.01;
}

bool GameSession::showsLevel(const Image& shot) const { return !menuShown(shot) && !showsSplash(shot); }

// The dark veil behind a question.
bool GameSession::dimmed(const Image& shot) const { return screen::nonWhiteFraction(shot, screen::whole(shot)) > 0.95; }

bool GameSession::skipSplashByClick() {
    if (!waitForShot("splash", [&](const Image& s) { return showsSplash(s); }, 15)) return false;
    // The card leaves by itself after five seconds; a menu well before that came from the click.
    const auto seen = std::chrono::steady_clock::now();
    pointAt(512, 384);
    pressLeft();
    return waitForMenu("main-menu", screens::mainMenu) && secondsSince(seen) < 3.5;
}

bool GameSession::waitForStillLevel(Image* still) {
    const auto start = std::chrono::steady_clock::now();
    Image before = x11::capture(display(), window_);
    while (secondsSince(start) < 10) {
        waitSeconds(0.25);
        Image after = x11::capture(display(), window_);
        // Scenery in sight: a blank screen would stand still for a player who fell out of the level.
        const bool settled = after.width() > 0 && before.width() == after.width() && showsLevel(after) &&
                             screen::nonWhiteFraction(after, screen::whole(after)) > 0.05 &&
                             screen::horizontalShift(before, after, 64) == 0 &&
                             screen::verticalShift(before, after, 64) == 0 &&
                             screen::changedFraction(before, after, screen::whole(after)) < 0.02;
        if (settled) {
            keep(after, "standing");
            if (still) *still = after;
            return true;
        }
        before = std::move(after);
    }
    keep(before, "never-standing");
    return false;
}

bool GameSession::startPlaying(Image* standing) {
    if (!start() || !skipSplashByClick()) return false;
    click(buttons::play);
    return waitForStillLevel(standing);
}

std::string GameSession::evidence() const {
    return "last screenshot: " + lastShot_.string() + "\nstandard error of the game:\n" + game_.standardError();
}

void PlayedGame::TearDown() {
    if (!HasFailure()) return;
    if (session.process().running()) session.shot("at-failure");
    std::cout << session.evidence() << std::endl;
}
