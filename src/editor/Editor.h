#pragma once

#include <SFML/Graphics/View.hpp>
#include <optional>
#include <string>

#include "editor/EditHistory.h"
#include "editor/EditedLevel.h"
#include "editor/Palette.h"
#include "editor/Stroke.h"
#include "levelcheck/Diagnostic.h"
#include "levelcheck/PlayerStart.h"
#include "menu/LetterSheet.h"
#include "platform/FilledPixel.h"
#include "platform/GameWindow.h"

// The level editor's work, a frame at a time: the brushes, picking and moving records, the
// goal, undo and redo, the view (pan and zoom) and saving. Everything it does is driven by the
// devices the window reports, so a script drives it headless as a player does in the window.
class Editor {
public:
    enum class Tool { Pencil, Ink, Rubber, Select, Place };
    static constexpr float kMinZoom = 0.25f, kMaxZoom = 2.0f;
    static constexpr int kSnap = 8;

    // `start` is where every level starts the player; `palette` what can be placed.
    Editor(EditedLevel level, sf::Vector2f start, std::vector<PaletteEntry> palette);

    // One frame: `before` is what the devices held in the frame before.
    void update(const GameWindow& window, const InputState& before);
    // The grid, the level as the game draws it, the start point and the selection, in the
    // editor's view (left set on the window).
    void draw(GameWindow& window);

    Tool tool() const { return tool_; }
    float zoom() const { return zoom_; }
    const sf::View& view() const { return view_; }
    EditedLevel& level() { return level_; }
    const EditedLevel& level() const { return level_; }
    // Nothing solid lies under the start point: the player would fall for ever.
    bool startUnsupported() const { return startUnsupported_; }
    // Saved since the last change.
    bool saved() const { return savedSteps_ == changes_; }
    // What the last save or refusal said.
    const std::string& message() const { return message_; }
    // Shows a message until the next change.
    void say(std::string message) { message_ = std::move(message); }
    bool paletteOpen() const { return paletteOpen_; }
    // What the place tool places.
    const PaletteEntry& stamp() const { return stamp_; }
    // What the level checker finds in the level as it is now. A record's line is its place
    // in the level, from 1.
    const std::vector<Diagnostic>& findings() const { return findings_; }
    // Where the pointer was in the level at the last update.
    sf::Vector2f pointerInLevel() const { return lastPointer_; }
    // The record selected, or -1.
    int selected() const { return selected_; }

private:
    void updatePalette(const InputState& now, const InputState& before);
    void drawPalette(GameWindow& window);
    void makeThumbnails();
    // The palette cell under a window point, or -1.
    int paletteCellAt(int x, int y) const;
    sf::Vector2f pointer(const GameWindow& window) const;
    void zoomAbout(const GameWindow& window, int notches);
    void shortcuts(const InputState& now, const InputState& before);
    void press(sf::Vector2f at, bool snapOff);
    void drag(sf::Vector2f at, bool snapOff);
    void release();
    // Records a change of records made since `before`.
    void commit(std::vector<Placed> before);
    void changed();
    void placeGoal(sf::Vector2f at, bool snapOff);
    int recordAt(sf::Vector2f at) const;
    // The grid and the records that meet `area` of the level, into the window's kept picture.
    void drawLevel(GameWindow& window, const sf::FloatRect& area);
    // The level changed in this area only: the kept picture is drawn again there.
    void repaint(const sf::FloatRect& area);
    // Draws the level again into those pixels of the kept picture.
    void redrawPixels(GameWindow& window, const IntRect& pixels);
    void repaintStroke(sf::Vector2f from, sf::Vector2f to);
    sf::FloatRect boxOf(const Placed& p) const;
    void drawBox(GameWindow& window, float x, float y, float w, float h, Color color);
    void outline(GameWindow& window, const Placed& p, float thickness, Color color);
    void checkStart();
    void check();

    EditedLevel level_;
    sf::Vector2f start_;
    EditHistory history_;
    Tool tool_ = Tool::Pencil;
    float zoom_ = 1;
    sf::View view_;
    std::optional<Stroke> stroke_;
    sf::Vector2f lastPointer_;
    // A move in progress: the records as the press found them and where the grab was.
    std::optional<std::vector<Placed>> moving_;
    sf::Vector2f grab_;
    sf::Vector2i grabbedAt_;
    int selected_ = -1;
    bool startUnsupported_ = false;
    long changes_ = 0, savedSteps_ = 0;
    std::string message_;
    Image pixel_ = filledPixel(Color{255, 255, 255, 255});
    std::vector<PaletteEntry> palette_;
    bool paletteOpen_ = false;
    int paletteScroll_ = 0;  // rows scrolled past
    PaletteEntry stamp_;
    // Small pictures of the palette's entries, made as they first show.
    std::vector<Image> thumbnails_;
    LetterSheet letters_;
    std::vector<Diagnostic> findings_;
    PlayerStart checkedStart_ = PlayerStart::fromConfig();
    // The window's kept picture shows the level under keptView_ in a window of keptSize_. It
    // is drawn whole when either changes or redrawLevel_ is set, else only where repaint_
    // (level coordinates, empty when nothing) says, so a stroke costs what it touches.
    sf::View keptView_;
    sf::Vector2u keptSize_;
    bool redrawLevel_ = true;
    sf::FloatRect repaint_;
};
