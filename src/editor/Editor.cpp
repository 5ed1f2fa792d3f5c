#include "editor/Editor.h"

#include <algorithm>
#include <cmath>

#include "level/Kinds.h"
#include "level/SolidityMask.h"
#include "levelcheck/LevelChecker.h"
#include "platform/FilledPixel.h"
#include "resources/ImageCache.h"

namespace {
// The palette's cells over the window, below the editor's line of text.
constexpr int kCellWidth = 128, kCellHeight = 120, kColumns = 8, kPaletteTop = 64, kRowsShown = 5;
constexpr float kThumbWidth = 112, kThumbHeight = 84;
constexpr float kPanStep = 16;
constexpr Color kHiddenTint{120, 160, 220, 70};
constexpr int kGridStep = 64;
constexpr int kDuplicateOffset = 16;
constexpr float kZoomStep = 1.25f;
// How wide a column under the start point must hold something solid.
constexpr int kStartWidth = 40;
const char* const kGoalPicture = "Content/Level/goal.png";

bool fresh(const InputState& now, const InputState& before, sf::Keyboard::Key key) {
    return now.held(key) && !before.held(key);
}
bool ctrl(const InputState& in) { return in.held(sf::Keyboard::LControl) || in.held(sf::Keyboard::RControl); }
bool shift(const InputState& in) { return in.held(sf::Keyboard::LShift) || in.held(sf::Keyboard::RShift); }

// The picture shrunk to fit the box (never grown), each pixel the mean of those it covers; a
// picture that cannot be read gives one clear pixel.
Image shrunk(const Image& full, float boxWidth, float boxHeight) {
    Image out;
    if (full.width() == 0 || full.height() == 0) {
        out.create(1, 1);
        return out;
    }
    const float scale = std::min({1.0f, boxWidth / static_cast<float>(full.width()), boxHeight / static_cast<float>(full.height())});
    const auto w = std::max(1u, static_cast<unsigned>(static_cast<float>(full.width()) * scale));
    const auto h = std::max(1u, static_cast<unsigned>(static_cast<float>(full.height()) * scale));
    out.create(w, h);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < w; ++x) {
            const unsigned x0 = x * full.width() / w, x1 = std::max(x0 + 1, (x + 1) * full.width() / w);
            const unsigned y0 = y * full.height() / h, y1 = std::max(y0 + 1, (y + 1) * full.height() / h);
            unsigned sum[4] = {0, 0, 0, 0}, n = 0;
            for (unsigned sy = y0; sy < y1; ++sy)
                for (unsigned sx = x0; sx < x1; ++sx, ++n) {
                    const Color c = full.pixel(sx, sy);
                    sum[0] += c.r * c.a, sum[1] += c.g * c.a, sum[2] += c.b * c.a, sum[3] += c.a;
                }
            const unsigned a = sum[3];
            out.setPixel(x, y, a == 0 ? Color{0, 0, 0, 0}
                                      : Color{static_cast<std::uint8_t>(sum[0] / a), static_cast<std::uint8_t>(sum[1] / a),
                                              static_cast<std::uint8_t>(sum[2] / a), static_cast<std::uint8_t>(a / n)});
        }
    return out;
}

int snapped(float v, bool snapOff) {
    return snapOff ? static_cast<int>(std::floor(v))
                   : static_cast<int>(std::floor(v / Editor::kSnap + 0.5f)) * Editor::kSnap;
}
}  // namespace

Editor::Editor(EditedLevel level, sf::Vector2f start, std::vector<PaletteEntry> palette)
    : level_(std::move(level)), start_(start), palette_(std::move(palette)) {
    if (!palette_.empty()) stamp_ = palette_.front();
    check();
    // Where the game's camera stands when the player drops in at the start.
    view_.setSize(1024, 768);
    view_.setCenter(std::max(std::floor(start.x), 512.0f), std::min(std::floor(start.y), 384.0f));
    checkStart();
}

sf::Vector2f Editor::pointer(const GameWindow& window) const {
    return window.mapPixelToCoords(window.input().mouseX, window.input().mouseY, view_);
}

void Editor::update(const GameWindow& window, const InputState& before) {
    const InputState& now = window.input();
    view_.setViewport(window.view().getViewport());
    if (fresh(now, before, sf::Keyboard::O) && !ctrl(now)) {
        paletteOpen_ = !paletteOpen_;
        return;
    }
    if (paletteOpen_) {
        updatePalette(now, before);
        return;
    }
    shortcuts(now, before);
    if (now.wheel != 0) zoomAbout(window, now.wheel);
    // Panning: the arrow keys, or the right button dragged.
    const float step = kPanStep / zoom_;
    view_.move((now.held(sf::Keyboard::Right) - now.held(sf::Keyboard::Left)) * step,
               (now.held(sf::Keyboard::Down) - now.held(sf::Keyboard::Up)) * step);
    if (now.button(MouseButton::Right) && before.button(MouseButton::Right)) {
        const sf::Vector2f was = window.mapPixelToCoords(before.mouseX, before.mouseY, view_);
        view_.move(was - pointer(window));
    }
    const sf::Vector2f at = pointer(window);
    const bool left = now.button(MouseButton::Left), wasLeft = before.button(MouseButton::Left);
    if (left && !wasLeft) press(at, shift(now));
    else if (left) drag(at, shift(now));
    else if (wasLeft) release();
    lastPointer_ = at;
}

void Editor::zoomAbout(const GameWindow& window, int notches) {
    const sf::Vector2f before = pointer(window);
    zoom_ = std::clamp(zoom_ * std::pow(kZoomStep, static_cast<float>(notches)), kMinZoom, kMaxZoom);
    view_.setSize(1024 / zoom_, 768 / zoom_);
    // The point under the pointer stays under it.
    view_.move(before - pointer(window));
}

void Editor::shortcuts(const InputState& now, const InputState& before) {
    const auto pressed = [&](sf::Keyboard::Key key) { return fresh(now, before, key); };
    if (ctrl(now)) {
        const bool undo = pressed(sf::Keyboard::Z) && !shift(now);
        const bool redo = pressed(sf::Keyboard::Y) || (pressed(sf::Keyboard::Z) && shift(now));
        if ((undo && history_.undo(level_)) || (redo && history_.redo(level_))) {
            selected_ = -1;
            redrawLevel_ = true;
            changed();
        }
        if (pressed(sf::Keyboard::S)) {
            std::string error;
            if (level_.save(error)) {
                savedSteps_ = changes_;
                message_ = "Saved " + level_.path();
            } else {
                message_ = "Not saved: " + error;
            }
        }
        if (pressed(sf::Keyboard::D) && selected_ >= 0) {
            std::vector<Placed> was = level_.records;
            Placed copy = level_.records[static_cast<size_t>(selected_)];
            copy.x += kDuplicateOffset;
            copy.y += kDuplicateOffset;
            level_.records.insert(level_.records.begin() + selected_ + 1, copy);
            ++selected_;
            commit(std::move(was));
        }
        return;
    }
    if (pressed(sf::Keyboard::P)) tool_ = Tool::Pencil;
    if (pressed(sf::Keyboard::I)) tool_ = Tool::Ink;
    if (pressed(sf::Keyboard::E)) tool_ = Tool::Rubber;
    if (pressed(sf::Keyboard::V)) tool_ = Tool::Select;
    if (pressed(sf::Keyboard::G)) placeGoal(lastPointer_, shift(now));
    if (selected_ < 0) return;
    const auto at = static_cast<size_t>(selected_);
    if (pressed(sf::Keyboard::Delete)) {
        std::vector<Placed> was = level_.records;
        level_.records.erase(level_.records.begin() + selected_);
        selected_ = -1;
        commit(std::move(was));
    } else if (pressed(sf::Keyboard::PageUp) && at + 1 < level_.records.size()) {
        std::vector<Placed> was = level_.records;
        std::swap(level_.records[at], level_.records[at + 1]);
        ++selected_;
        commit(std::move(was));
    } else if (pressed(sf::Keyboard::PageDown) && at > 0) {
        std::vector<Placed> was = level_.records;
        std::swap(level_.records[at], level_.records[at - 1]);
        --selected_;
        commit(std::move(was));
    }
}

void Editor::press(sf::Vector2f at, bool snapOff) {
    if (tool_ == Tool::Place) {
        std::vector<Placed> was = level_.records;
        level_.records.push_back(Placed{snapped(at.x, snapOff), snapped(at.y, snapOff), stamp_.picture, stamp_.kind, nullptr});
        selected_ = static_cast<int>(level_.records.size()) - 1;
        commit(std::move(was));
        return;
    }
    if (tool_ != Tool::Select) {
        stroke_.emplace(level_, tool_ == Tool::Pencil ? Brush::Pencil : tool_ == Tool::Ink ? Brush::Ink : Brush::Rubber);
        stroke_->paint(at, at);
        repaintStroke(at, at);
        return;
    }
    selected_ = recordAt(at);
    if (selected_ < 0) return;
    moving_ = level_.records;
    grab_ = at;
    const Placed& p = level_.records[static_cast<size_t>(selected_)];
    grabbedAt_ = {p.x, p.y};
}

void Editor::drag(sf::Vector2f at, bool snapOff) {
    if (stroke_) {
        stroke_->paint(lastPointer_, at);
        repaintStroke(lastPointer_, at);
        return;
    }
    if (!moving_ || selected_ < 0) return;
    Placed& p = level_.records[static_cast<size_t>(selected_)];
    repaint(boxOf(p));
    p.x = snapped(static_cast<float>(grabbedAt_.x) + at.x - grab_.x, snapOff);
    p.y = snapped(static_cast<float>(grabbedAt_.y) + at.y - grab_.y, snapOff);
    repaint(boxOf(p));
}

void Editor::repaint(const sf::FloatRect& area) {
    if (area.width <= 0 || area.height <= 0) return;
    if (repaint_.width <= 0) {
        repaint_ = area;
        return;
    }
    const float left = std::min(repaint_.left, area.left), top = std::min(repaint_.top, area.top);
    const float right = std::max(repaint_.left + repaint_.width, area.left + area.width);
    const float bottom = std::max(repaint_.top + repaint_.height, area.top + area.height);
    repaint_ = sf::FloatRect(left, top, right - left, bottom - top);
}

void Editor::repaintStroke(sf::Vector2f from, sf::Vector2f to) {
    // As far as a dab reaches from the line between the two points.
    const auto r = static_cast<float>(Stroke::radius(stroke_->brush()) + 2);
    const float left = std::floor(std::min(from.x, to.x)) - r, top = std::floor(std::min(from.y, to.y)) - r;
    repaint(sf::FloatRect(left, top, std::floor(std::max(from.x, to.x)) + r - left, std::floor(std::max(from.y, to.y)) + r - top));
}

sf::FloatRect Editor::boxOf(const Placed& p) const {
    const Image& image = level_.pictureOf(p);
    return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(image.width()), static_cast<float>(image.height())};
}

void Editor::release() {
    if (stroke_) {
        if (stroke_->changedAnything()) {
            history_.record(stroke_->finish());
            changed();
        }
        stroke_.reset();
    }
    if (moving_) {
        if (*moving_ != level_.records) commit(std::move(*moving_));
        moving_.reset();
    }
}

void Editor::commit(std::vector<Placed> before) {
    history_.record(Edit{std::move(before), level_.records, {}});
    redrawLevel_ = true;
    changed();
}

void Editor::changed() {
    ++changes_;
    message_.clear();
    checkStart();
    check();
}

void Editor::check() { findings_ = checkLevel(CheckedLevel(level_.path(), level_.inMemory()), checkedStart_); }

void Editor::placeGoal(sf::Vector2f at, bool snapOff) {
    std::vector<Placed> was = level_.records;
    const int x = snapped(at.x, snapOff), y = snapped(at.y, snapOff);
    auto goal = std::find_if(level_.records.begin(), level_.records.end(),
                             [](const Placed& p) { return p.kind == Kind::Goal; });
    if (goal == level_.records.end()) level_.records.push_back(Placed{x, y, kGoalPicture, Kind::Goal, nullptr});
    else {
        goal->x = x;
        goal->y = y;
    }
    commit(std::move(was));
}

int Editor::recordAt(sf::Vector2f at) const {
    // The topmost record whose picture shows a pixel there.
    for (int i = static_cast<int>(level_.records.size()) - 1; i >= 0; --i) {
        const Placed& p = level_.records[static_cast<size_t>(i)];
        const Image& image = level_.pictureOf(p);
        const int px = static_cast<int>(std::floor(at.x)) - p.x, py = static_cast<int>(std::floor(at.y)) - p.y;
        if (px < 0 || py < 0 || px >= static_cast<int>(image.width()) || py >= static_cast<int>(image.height())) continue;
        image.holdPixels();
        if (image.alpha(static_cast<unsigned>(px), static_cast<unsigned>(py)) != 0) return i;
    }
    return -1;
}

void Editor::checkStart() {
    const int left = static_cast<int>(start_.x), right = left + kStartWidth, top = static_cast<int>(start_.y);
    startUnsupported_ = true;
    for (const Placed& p : level_.records) {
        if (!kindRoles(p.kind).solidToBox) continue;
        const Image& image = level_.pictureOf(p);
        const int x0 = std::max(left, p.x), x1 = std::min(right, p.x + static_cast<int>(image.width()));
        const int y0 = std::max(top, p.y), y1 = p.y + static_cast<int>(image.height());
        if (x0 >= x1 || y0 >= y1) continue;
        image.holdPixels();
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (SolidityMask::solidForBox(image.alpha(static_cast<unsigned>(x - p.x), static_cast<unsigned>(y - p.y)))) {
                    startUnsupported_ = false;
                    return;
                }
    }
}

void Editor::drawBox(GameWindow& window, float x, float y, float w, float h, Color color) {
    Sprite s = stretchedPixel(pixel_, x, y, w, h);
    s.color = color;
    window.draw(s);
}

void Editor::outline(GameWindow& window, const Placed& p, float thickness, Color color) {
    const Image& image = level_.pictureOf(p);
    const float w = std::max(8.0f, static_cast<float>(image.width())), h = std::max(8.0f, static_cast<float>(image.height()));
    const auto x = static_cast<float>(p.x), y = static_cast<float>(p.y);
    drawBox(window, x, y, w, thickness, color);
    drawBox(window, x, y + h - thickness, w, thickness, color);
    drawBox(window, x, y, thickness, h, color);
    drawBox(window, x + w - thickness, y, thickness, h, color);
}

void Editor::drawLevel(GameWindow& window, const sf::FloatRect& area) {
    const sf::Vector2f centre = view_.getCenter(), half = view_.getSize() / 2.0f;
    const float line = 1 / zoom_;
    // The grid: light lines every 64 pixels, darker through the origin. Each line spans the
    // view whatever the area, so a part drawn again matches the whole.
    const auto first = [](float from) { return static_cast<int>(std::floor(from / kGridStep)) * kGridStep; };
    for (int x = first(area.left); static_cast<float>(x) <= area.left + area.width; x += kGridStep)
        drawBox(window, static_cast<float>(x), centre.y - half.y, line, 2 * half.y,
                x == 0 ? Color{150, 170, 200, 255} : Color{214, 224, 238, 255});
    for (int y = first(area.top); static_cast<float>(y) <= area.top + area.height; y += kGridStep)
        drawBox(window, centre.x - half.x, static_cast<float>(y), 2 * half.x, line,
                y == 0 ? Color{150, 170, 200, 255} : Color{214, 224, 238, 255});
    // The game's layers: the main list, keys over it, the foreground last. What the game
    // hides (the goal, camera triggers) shows faintly.
    const auto drawRecords = [&](auto wanted) {
        for (const Placed& p : level_.records) {
            if (!wanted(p) || !boxOf(p).intersects(area)) continue;
            const Image& picture = level_.pictureOf(p);
            const auto x = static_cast<float>(p.x), y = static_cast<float>(p.y);
            Sprite s(&picture);
            s.setPosition(x, y);
            // What play never shows is shown here as a tinted area.
            if (kindRoles(p.kind).drawing == Drawing::Hidden) {
                drawBox(window, x, y, static_cast<float>(picture.width()), static_cast<float>(picture.height()), kHiddenTint);
                s.color = Color{255, 255, 255, 140};
            }
            window.draw(s);
        }
    };
    drawRecords([](const Placed& p) { return !kindRoles(p.kind).foreground && kindRoles(p.kind).drawing != Drawing::KeyOnTop; });
    drawRecords([](const Placed& p) { return kindRoles(p.kind).drawing == Drawing::KeyOnTop; });
    drawRecords([](const Placed& p) { return kindRoles(p.kind).foreground; });
}

void Editor::redrawPixels(GameWindow& window, const IntRect& pixels) {
    // The records meeting those pixels are all that can show there.
    const float line = 1 / zoom_;
    const sf::Vector2f a = window.mapPixelToCoords(pixels.left, pixels.top, view_);
    const sf::Vector2f b = window.mapPixelToCoords(pixels.left + pixels.width, pixels.top + pixels.height, view_);
    window.beginKept(pixels);
    drawLevel(window, sf::FloatRect(a.x - line, a.y - line, b.x - a.x + 2 * line, b.y - a.y + 2 * line));
    window.endKept();
}

void Editor::draw(GameWindow& window) {
    window.setView(view_);
    const sf::Vector2u size(window.width(), window.height());
    const bool sameScale = view_.getSize() == keptView_.getSize() && view_.getViewport() == keptView_.getViewport() &&
                           view_.getViewport() == sf::FloatRect(0, 0, 1, 1) && size == keptSize_;
    // A pan by whole pixels moves the kept picture; only what comes into view is drawn.
    const sf::Vector2f shift = (keptView_.getCenter() - view_.getCenter()) * (static_cast<float>(size.x) / view_.getSize().x);
    const int dx = static_cast<int>(std::lround(shift.x)), dy = static_cast<int>(std::lround(shift.y));
    const bool scrolls = (dx != 0 || dy != 0) && std::abs(shift.x - static_cast<float>(dx)) < 0.01f &&
                         std::abs(shift.y - static_cast<float>(dy)) < 0.01f && std::abs(dx) < static_cast<int>(size.x) / 2 &&
                         std::abs(dy) < static_cast<int>(size.y) / 2;
    if (sameScale && scrolls && !redrawLevel_) {
        window.scrollKept(dx, dy);
        keptView_ = view_;
        const int w = static_cast<int>(size.x), h = static_cast<int>(size.y);
        if (dx != 0) redrawPixels(window, dx > 0 ? IntRect{0, 0, dx, h} : IntRect{w + dx, 0, -dx, h});
        if (dy != 0) redrawPixels(window, dy > 0 ? IntRect{0, 0, w, dy} : IntRect{0, h + dy, w, -dy});
    }
    const bool viewMoved = view_.getCenter() != keptView_.getCenter() || !sameScale;
    if (redrawLevel_ || viewMoved || !window.keptWhole()) {
        window.beginKept({});
        drawLevel(window, sf::FloatRect(view_.getCenter() - view_.getSize() / 2.0f, view_.getSize()));
        window.endKept();
        keptView_ = view_;
        keptSize_ = size;
        redrawLevel_ = false;
    } else if (repaint_.width > 0) {
        // The window pixels the change covers, and one more all round for filtering.
        const sf::Vector2i from = window.mapCoordsToPixel({repaint_.left, repaint_.top});
        const sf::Vector2i to = window.mapCoordsToPixel({repaint_.left + repaint_.width, repaint_.top + repaint_.height});
        redrawPixels(window, IntRect{from.x - 2, from.y - 2, to.x - from.x + 4, to.y - from.y + 4});
    }
    repaint_ = {};
    window.drawKept();
    const float line = 1 / zoom_;
    // The start point: a red post with a flag, the player's width wide at its foot.
    const Color red{200, 50, 40, 255};
    drawBox(window, start_.x, start_.y - 60, 3 * line, 60, red);
    drawBox(window, start_.x, start_.y - 60, 24, 14, red);
    drawBox(window, start_.x, start_.y, kStartWidth, 2 * line, red);
    if (tool_ == Tool::Place && !paletteOpen_) {
        Sprite preview(&ImageCache::forLevel(stamp_.picture));
        preview.setPosition(static_cast<float>(snapped(lastPointer_.x, false)), static_cast<float>(snapped(lastPointer_.y, false)));
        preview.color = Color{255, 255, 255, 150};
        window.draw(preview);
    }
    if (selected_ >= 0) outline(window, level_.records[static_cast<size_t>(selected_)], 2 * line, Color{230, 120, 30, 255});
    // The first finding's object, if it has one.
    const int found = findings_.empty() ? 0 : findings_.front().line;
    if (found > 0 && static_cast<size_t>(found) <= level_.records.size())
        outline(window, level_.records[static_cast<size_t>(found - 1)], 3 * line, Color{210, 40, 30, 255});
    if (paletteOpen_) drawPalette(window);
}

int Editor::paletteCellAt(int x, int y) const {
    if (x < 0 || x >= kColumns * kCellWidth || y < kPaletteTop || y >= kPaletteTop + kRowsShown * kCellHeight) return -1;
    const int cell = (paletteScroll_ + (y - kPaletteTop) / kCellHeight) * kColumns + x / kCellWidth;
    return cell < static_cast<int>(palette_.size()) ? cell : -1;
}

void Editor::updatePalette(const InputState& now, const InputState& before) {
    const int rows = (static_cast<int>(palette_.size()) + kColumns - 1) / kColumns;
    paletteScroll_ = std::clamp(paletteScroll_ - now.wheel + (fresh(now, before, sf::Keyboard::Down) ? 1 : 0) -
                                    (fresh(now, before, sf::Keyboard::Up) ? 1 : 0),
                                0, std::max(0, rows - kRowsShown));
    if (fresh(now, before, sf::Keyboard::Escape)) paletteOpen_ = false;
    if (!now.button(MouseButton::Left) || before.button(MouseButton::Left)) return;
    const int cell = paletteCellAt(now.mouseX, now.mouseY);
    if (cell < 0) return;
    stamp_ = palette_[static_cast<size_t>(cell)];
    tool_ = Tool::Place;
    paletteOpen_ = false;
}

void Editor::makeThumbnails() {
    thumbnails_.resize(palette_.size());
    // A few pictures a frame, so opening the palette never stalls the editor.
    int made = 0;
    for (int cell = paletteScroll_ * kColumns; cell < std::min<int>(static_cast<int>(palette_.size()), (paletteScroll_ + kRowsShown) * kColumns) && made < 4; ++cell) {
        Image& thumb = thumbnails_[static_cast<size_t>(cell)];
        if (thumb.width() > 0) continue;
        Image full;
        full.loadFromFile(palette_[static_cast<size_t>(cell)].picture);
        thumb = shrunk(full, kThumbWidth, kThumbHeight);
        ++made;
    }
}

void Editor::drawPalette(GameWindow& window) {
    makeThumbnails();
    window.setView(sf::View(sf::FloatRect(0, 0, 1024, 768)));
    drawBox(window, 0, 0, 1024, 768, Color{250, 247, 238, 240});
    for (int row = 0; row < kRowsShown; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const size_t cell = static_cast<size_t>((paletteScroll_ + row) * kColumns + column);
            if (cell >= palette_.size()) return;
            const PaletteEntry& entry = palette_[cell];
            const auto x = static_cast<float>(column * kCellWidth), y = static_cast<float>(kPaletteTop + row * kCellHeight);
            if (entry == stamp_) drawBox(window, x + 2, y + 2, kCellWidth - 4, kCellHeight - 4, Color{240, 210, 160, 255});
            const Image& picture = thumbnails_[cell];
            Sprite thumb(&picture);
            thumb.setPosition(x + (kCellWidth - static_cast<float>(picture.width())) / 2,
                              y + 4 + (kThumbHeight - static_cast<float>(picture.height())) / 2);
            if (kindRoles(entry.kind).drawing == Drawing::Hidden)
                drawBox(window, thumb.x, thumb.y, static_cast<float>(picture.width()), static_cast<float>(picture.height()), kHiddenTint);
            window.draw(thumb);
            const std::string name(kindRoles(entry.kind).name);
            const float letters = std::min(0.3f, (kCellWidth - 8) / std::max(1.0f, letters_.width(name)));
            for (Sprite s : letters_.layout(name, x + (kCellWidth - letters_.width(name) * letters) / 2, y + kThumbHeight + 10, letters)) {
                s.color = Color{40, 40, 48, 255};
                window.draw(s);
            }
        }
}
