#include "app/screens/EditorScreen.h"

#include <cmath>
#include <filesystem>
#include <iostream>

#include "app/screens/ScreenStack.h"
#include "editor/Palette.h"
#include "level/Kinds.h"
#include "platform/FilledPixel.h"

EditorScreen::EditorScreen(World& world) : Screen(kState), world_(world) {}

bool EditorScreen::open(const std::string& path, std::string& error) {
    std::optional<EditedLevel> level = EditedLevel::open(path, error);
    if (!level) return false;
    editor_.emplace(std::move(*level), sf::Vector2f(world_.startX, world_.startY), paletteEntries(Level::shippedFiles()));
    std::error_code ec;
    if (std::filesystem::exists(editor_->level().unsavedPath(), ec))
        editor_->say("Changes left unsaved last time are in " + editor_->level().unsavedPath());
    return true;
}

namespace {
const std::string kLeaveWarning = "Not saved: Ctrl+S saves the level, Escape again leaves it as it was last saved";
}  // namespace

void EditorScreen::keepUnsaved() {
    if (!editor_ || editor_->saved()) return;
    std::string error;
    const EditedLevel& level = editor_->level();
    if (level.saveCopy(level.unsavedPath(), error)) std::cerr << "torve: changes not saved are kept in " << level.unsavedPath() << "\n";
    else std::cerr << "torve: changes not saved are lost: " << error << "\n";
}

void EditorScreen::update(GameWindow& window, ScreenStack& stack) {
    const InputState& now = window.input();
    const auto fresh = [&](sf::Keyboard::Key key) { return now.held(key) && !before_.held(key); };
    if (!editor_) return;
    if (fresh(sf::Keyboard::F5)) tryOut(stack, now.held(sf::Keyboard::LShift) || now.held(sf::Keyboard::RShift));
    else if (fresh(sf::Keyboard::Escape) && !editor_->paletteOpen()) leave(stack);
    else editor_->update(window, before_);
    before_ = now;
}

void EditorScreen::leave(ScreenStack& stack) {
    // Changes not saved are left behind only on a second Escape, after being told: any change
    // or save in between replaces the warning, and asks for it anew.
    if (!editor_->saved() && editor_->message() != kLeaveWarning) {
        editor_->say(kLeaveWarning);
        return;
    }
    if (stack.beneath(*this)) stack.close();
    else stack.restart(GameState::MainMenu);
}

void EditorScreen::tryOut(ScreenStack& stack, bool fromPointer) {
    std::optional<sf::Vector2f> from;
    if (fromPointer) from = editor_->pointerInLevel();
    world_.tryOut(editor_->level().path(), editor_->level().inMemory(), from);
    stack.open(GameState::Playing);
}

void EditorScreen::shown() {
    if (world_.tryingOut()) world_.endTryOut();
}

void EditorScreen::writeLine(GameWindow& window, const std::string& text, float y, Color color) {
    for (Sprite s : letters_.layout(text, 10, y, 0.42f)) {
        s.color = color;
        window.draw(s);
    }
}

void EditorScreen::draw(GameWindow& window) {
    if (!editor_) return;
    editor_->draw(window);
    window.setView(sf::View(sf::FloatRect(0, 0, 1024, 768)));
    const bool second = !editor_->message().empty() || editor_->startUnsupported() || !editor_->findings().empty();
    Sprite band = stretchedPixel(pixel_, 0, 0, 1024, second ? 52 : 28);
    band.color = Color{250, 247, 238, 230};
    window.draw(band);
    static constexpr const char* kTools[] = {"Pencil", "Ink", "Rubber", "Select", "Place"};
    const std::string name = std::filesystem::path(editor_->level().path()).filename().string();
    std::string tool = kTools[static_cast<int>(editor_->tool())];
    if (editor_->tool() == Editor::Tool::Place) tool += " " + std::string(kindRoles(editor_->stamp().kind).name);
    const std::string line = tool +
                             "   P pencil  I ink  E rubber  V select  O things  G goal  F5 try   " +
                             std::to_string(static_cast<int>(std::lround(editor_->zoom() * 100))) + "%   " + name +
                             (editor_->saved() ? "" : " *");
    writeLine(window, line, 2, Color{40, 40, 48, 255});
    if (!editor_->message().empty()) writeLine(window, editor_->message(), 26, Color{40, 40, 48, 255});
    else if (editor_->startUnsupported())
        writeLine(window, "Nothing solid under the start point: the player would fall for ever", 26,
                  Color{190, 50, 40, 255});
    else if (!editor_->findings().empty()) {
        // The checker's first finding, its object outlined in the level; saving is still allowed.
        const Diagnostic& first = editor_->findings().front();
        const size_t more = editor_->findings().size() - 1;
        writeLine(window,
                  std::string(first.severity == Diagnostic::Severity::Error ? "Error: " : "Warning: ") + first.message +
                      (more ? " (and " + std::to_string(more) + " more)" : ""),
                  26, first.severity == Diagnostic::Severity::Error ? Color{190, 50, 40, 255} : Color{170, 110, 20, 255});
    }
}
