#include "platform/SfmlWindow.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/OpenGL.hpp>
#include <SFML/Window/Event.hpp>
#include <algorithm>
#include <cstring>
#include <tuple>

#include "platform/Paths.h"
#include "platform/PictureDecodes.h"

namespace {
SfmlWindow* gActive = nullptr;

// Window pixels as they are.
sf::View pixelView(sf::Vector2u size) { return sf::View(sf::FloatRect(0, 0, static_cast<float>(size.x), static_cast<float>(size.y))); }

bool buttonFor(sf::Mouse::Button code, MouseButton& out) {
    if (code == sf::Mouse::Left) out = MouseButton::Left;
    else if (code == sf::Mouse::Right) out = MouseButton::Right;
    else return false;
    return true;
}
}  // namespace

SfmlWindow::SfmlWindow(unsigned width, unsigned height, bool fullscreen) : windowedSize_(width, height) {
    open(width, height, fullscreen, 60);
    gActive = this;
    Image::setReleaseHook(&SfmlWindow::releaseImage);
}

SfmlWindow::~SfmlWindow() {
    Image::setReleaseHook(nullptr);
    gActive = nullptr;
    textures_.clear();
}

void SfmlWindow::releaseImage(std::uint64_t id) {
    if (gActive) gActive->textures_.erase(id);
}

void SfmlWindow::open(unsigned width, unsigned height, bool fullscreen, unsigned frameLimit) {
    const sf::Uint32 style = fullscreen ? sf::Style::Fullscreen : (sf::Style::Resize | sf::Style::Close);
    window_.create(sf::VideoMode(width, height, 32), "Torve", style, sf::ContextSettings(24, 8, 0));
    fullscreen_ = fullscreen;
    // Re-creation resets these, so they are set every time.
    window_.setVerticalSyncEnabled(true);
    window_.setFramerateLimit(frameLimit);
    window_.setKeyRepeatEnabled(false);
    focused_ = window_.hasFocus();
    input_.releaseAll();
}

// Full screen takes the window's size as its mode, but the display may give it another;
// going back to a window restores the size the window last had.
void SfmlWindow::recreate(bool fullscreen, unsigned frameLimit) {
    if (!fullscreen_) windowedSize_ = window_.getSize();
    const sf::Vector2u size = fullscreen_ && !fullscreen ? windowedSize_ : window_.getSize();
    open(size.x, size.y, fullscreen, frameLimit);
    // Their framebuffers belonged to the old context.
    kept_.reset();
    spare_.reset();
}

void SfmlWindow::setView(const sf::View& view) {
    window_.setView(view);
    if (target_ != &window_) target_->setView(view);
}

void SfmlWindow::beginKept(const IntRect& area) {
    const sf::Vector2u size = window_.getSize();
    if (keptRefused_) return;
    if (!kept_ || kept_->getSize() != size) {
        kept_ = std::make_unique<sf::RenderTexture>();
        keptWhole_ = false;
        if (!kept_->create(size.x, size.y)) {
            kept_.reset();
            keptRefused_ = true;
            return;
        }
    }
    const int w = static_cast<int>(size.x), h = static_cast<int>(size.y);
    const int left = area.empty() ? 0 : std::clamp(area.left, 0, w), top = area.empty() ? 0 : std::clamp(area.top, 0, h);
    const int right = area.empty() ? w : std::clamp(area.left + area.width, 0, w);
    const int bottom = area.empty() ? h : std::clamp(area.top + area.height, 0, h);
    keepingWhole_ = left == 0 && top == 0 && right == w && bottom == h;
    target_ = kept_.get();
    target_->setView(window_.getView());
    // A scissor, not a narrower view, so a part drawn again matches the whole to the pixel.
    // The framebuffer's rows count from the bottom.
    kept_->setActive(true);
    glEnable(GL_SCISSOR_TEST);
    glScissor(left, h - bottom, std::max(0, right - left), std::max(0, bottom - top));
    kept_->clear(sf::Color::White);
}

void SfmlWindow::endKept() {
    if (!kept_ || target_ != kept_.get()) return;
    kept_->setActive(true);
    glDisable(GL_SCISSOR_TEST);
    kept_->display();
    target_ = &window_;
    keptWhole_ = keptWhole_ || keepingWhole_;
}

void SfmlWindow::scrollKept(int dx, int dy) {
    if (!keptWhole()) return;
    const sf::Vector2u size = kept_->getSize();
    if (!spare_ || spare_->getSize() != size) {
        spare_ = std::make_unique<sf::RenderTexture>();
        if (!spare_->create(size.x, size.y)) {
            spare_.reset();
            keptWhole_ = false;
            return;
        }
    }
    spare_->setView(pixelView(size));
    sf::Sprite moved(kept_->getTexture());
    moved.setPosition(static_cast<float>(dx), static_cast<float>(dy));
    spare_->draw(moved, sf::RenderStates(sf::BlendNone));
    spare_->display();
    std::swap(kept_, spare_);
}

bool SfmlWindow::keptWhole() const { return kept_ && keptWhole_ && kept_->getSize() == window_.getSize(); }

void SfmlWindow::drawKept() {
    if (!keptWhole()) return;
    const sf::View was = window_.getView();
    window_.setView(pixelView(window_.getSize()));
    window_.draw(sf::Sprite(kept_->getTexture()), sf::RenderStates(sf::BlendNone));
    window_.setView(was);
}

void SfmlWindow::processEvents() {
    input_.keys &= ~releaseNextFrame_.keys;
    for (int b = 0; b < static_cast<int>(MouseButton::Count); ++b)
        if (releaseNextFrame_.buttons[b]) input_.buttons[b] = false;
    pressedThisFrame_ = InputState{};
    releaseNextFrame_ = InputState{};
    input_.wheel = 0;
    sf::Event event;
    while (window_.pollEvent(event)) {
        MouseButton button;
        switch (event.type) {
            case sf::Event::Closed: window_.close(); break;
            case sf::Event::LostFocus:
                focused_ = false;
                input_.releaseAll();
                pressedThisFrame_ = releaseNextFrame_ = InputState{};
                break;
            case sf::Event::GainedFocus: focused_ = true; break;
            case sf::Event::KeyPressed:
                if (focused_) {
                    input_.setHeld(event.key.code, true);
                    pressedThisFrame_.setHeld(event.key.code, true);
                    releaseNextFrame_.setHeld(event.key.code, false);
                }
                break;
            case sf::Event::KeyReleased:
                if (pressedThisFrame_.held(event.key.code)) releaseNextFrame_.setHeld(event.key.code, true);
                else input_.setHeld(event.key.code, false);
                break;
            case sf::Event::MouseButtonPressed:
                if (focused_ && buttonFor(event.mouseButton.button, button)) {
                    input_.setButton(button, true);
                    pressedThisFrame_.setButton(button, true);
                    releaseNextFrame_.setButton(button, false);
                }
                input_.mouseX = event.mouseButton.x;
                input_.mouseY = event.mouseButton.y;
                break;
            case sf::Event::MouseButtonReleased:
                if (buttonFor(event.mouseButton.button, button)) {
                    if (pressedThisFrame_.button(button)) releaseNextFrame_.setButton(button, true);
                    else input_.setButton(button, false);
                }
                input_.mouseX = event.mouseButton.x;
                input_.mouseY = event.mouseButton.y;
                break;
            case sf::Event::MouseWheelScrolled:
                // Smooth wheels send fractions of a notch; whole notches are what the game counts.
                if (event.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel) {
                    wheelTravel_ += event.mouseWheelScroll.delta;
                    const int notches = static_cast<int>(wheelTravel_);
                    input_.wheel += notches;
                    wheelTravel_ -= static_cast<float>(notches);
                }
                break;
            case sf::Event::MouseMoved:
                input_.mouseX = event.mouseMove.x;
                input_.mouseY = event.mouseMove.y;
                break;
            default: break;
        }
    }
    // A pad held while another program has the focus is not meant for the game either.
    input_.pad = pad_.read();
    if (!focused_) input_.pad.release();
    noteInput();
}

void SfmlWindow::clear() { window_.clear(sf::Color::White); }

void SfmlWindow::display() {
    window_.display();
    dropIdleTiles();
    frameSeconds_ = frameClock_.restart().asSeconds();
}

SfmlWindow::TextureSet& SfmlWindow::texturesFor(const Image& image) {
    auto [it, fresh] = textures_.try_emplace(image.id());
    TextureSet& set = it->second;
    if (fresh || set.width != image.width() || set.height != image.height()) {
        set.width = image.width();
        set.height = image.height();
        set.columns = static_cast<int>((image.width() + kTileSize - 1) / kTileSize);
        set.rows = static_cast<int>((image.height() + kTileSize - 1) / kTileSize);
        set.tiles.clear();
        set.tiles.resize(static_cast<size_t>(set.rows * set.columns));
        set.smooth = image.smooth();
        image.takeDirty();
        const bool keeps = image.keepsPixels();
        set.packed = keeps ? nullptr : packedCopy(image);
        // A picture the band reader does not take (a JPEG) goes up whole, once, and stays.
        set.pinned = !keeps && !set.packed;
        if (set.pinned) uploadWhole(set, image);
        set.revision = image.revision();
    } else if (set.revision != image.revision()) {
        // Changed pixels are kept: tiles not shown yet are read from them from now on.
        if (set.packed) {
            set.packed.reset();
            for (Tile& tile : set.tiles) tile.blank = false;
        }
        upload(set, image, image.takeDirty());
        set.revision = image.revision();
    }
    if (set.smooth != image.smooth()) {
        for (Tile& tile : set.tiles)
            if (tile.texture) tile.texture->setSmooth(image.smooth());
        set.smooth = image.smooth();
    }
    return set;
}

bool SfmlWindow::stage(const Image& image, int left, int top, int right, int bottom) {
    const size_t rowBytes = static_cast<size_t>(right - left) * 4;
    staging_.resize(rowBytes * static_cast<size_t>(bottom - top));
    bool seen = false;
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* line = &staging_[rowBytes * static_cast<size_t>(y - top)];
        std::memcpy(line, image.row(static_cast<unsigned>(y)) + static_cast<size_t>(left) * 4, rowBytes);
        for (size_t a = 3; !seen && a < rowBytes; a += 4) seen = line[a] != 0;
    }
    return seen;
}

std::shared_ptr<const PackedPicture> SfmlWindow::packedCopy(const Image& image) {
    const std::string source = image.sourceFile();
    std::shared_ptr<const PackedPicture> packed = PictureDecodes::takePacked(source);
    if (!packed) packed = PackedPicture::read(nativePath(source));
    if (packed && packed->width() == image.width() && packed->height() == image.height()) return packed;
    return nullptr;
}

void SfmlWindow::uploadWhole(TextureSet& set, const Image& image) {
    image.holdPixels();
    for (int r = 0; r < set.rows; ++r)
        for (int c = 0; c < set.columns; ++c) tileTexture(set, image, r, c);
    image.letPixelsGo();
}

void SfmlWindow::dropIdleTiles() {
    // Two seconds: long enough that a picture at the edge of the view is not made again and
    // again, short enough that a level's textures are those near the player.
    constexpr std::uint64_t kIdleFrames = 120, kEvery = 30;
    if (++frame_ % kEvery != 0) return;
    for (auto& [id, set] : textures_)
        for (Tile& tile : set.tiles)
            if (tile.texture && !set.pinned && frame_ - tile.lastDrawn > kIdleFrames) tile.texture.reset();
}

const sf::Texture* SfmlWindow::tileTexture(TextureSet& set, const Image& image, int row, int column) {
    Tile& tile = set.tiles[static_cast<size_t>(row * set.columns + column)];
    tile.lastDrawn = frame_;
    if (tile.texture || tile.blank) return tile.texture.get();
    const int tx = column * kTileSize, ty = row * kTileSize;
    const int right = std::min(tx + kTileSize, static_cast<int>(image.width()));
    const int bottom = std::min(ty + kTileSize, static_cast<int>(image.height()));
    bool seen = false;
    if (set.packed) {
        seen = set.packed->unpack(static_cast<size_t>(row * set.columns + column), staging_);
    } else {
        image.holdPixels();
        seen = stage(image, tx, ty, right, bottom);
    }
    if (!seen) {
        tile.blank = true;
        return nullptr;
    }
    tile.texture = std::make_unique<sf::Texture>();
    tile.texture->create(static_cast<unsigned>(right - tx), static_cast<unsigned>(bottom - ty));
    tile.texture->setSmooth(set.smooth);
    tile.texture->update(staging_.data());
    uploadedBytes_ += staging_.size();
    return tile.texture.get();
}

void SfmlWindow::upload(TextureSet& set, const Image& image, const IntRect& area) {
    if (area.empty()) return;
    const int c0 = area.left / kTileSize, c1 = (area.left + area.width - 1) / kTileSize;
    const int r0 = area.top / kTileSize, r1 = (area.top + area.height - 1) / kTileSize;
    for (int r = r0; r <= r1 && r < set.rows; ++r)
        for (int c = c0; c <= c1 && c < set.columns; ++c) {
            Tile& tile = set.tiles[static_cast<size_t>(r * set.columns + c)];
            // A tile not yet shown is read from the changed pixels when it first is.
            if (!tile.texture) {
                tile.blank = false;
                continue;
            }
            const int tx = c * kTileSize, ty = r * kTileSize;
            const int left = std::max(area.left, tx), top = std::max(area.top, ty);
            const int right = std::min({area.left + area.width, tx + kTileSize, static_cast<int>(image.width())});
            const int bottom = std::min({area.top + area.height, ty + kTileSize, static_cast<int>(image.height())});
            if (right <= left || bottom <= top) continue;
            stage(image, left, top, right, bottom);
            tile.texture->update(staging_.data(), static_cast<unsigned>(right - left), static_cast<unsigned>(bottom - top),
                                 static_cast<unsigned>(left - tx), static_cast<unsigned>(top - ty));
            uploadedBytes_ += staging_.size();
        }
}

void SfmlWindow::draw(const Sprite& sprite) {
    if (!sprite.image || sprite.rect.empty() || sprite.image->width() == 0) return;
    const Image& image = *sprite.image;
    // Clip the source rectangle to the picture, as a texture would.
    const int srcLeft = std::max(sprite.rect.left, 0), srcTop = std::max(sprite.rect.top, 0);
    const int srcRight = std::min(sprite.rect.left + sprite.rect.width, static_cast<int>(image.width()));
    const int srcBottom = std::min(sprite.rect.top + sprite.rect.height, static_cast<int>(image.height()));
    if (srcRight <= srcLeft || srcBottom <= srcTop) return;

    TextureSet& set = texturesFor(image);
    const sf::View& v = window_.getView();
    const float viewLeft = v.getCenter().x - v.getSize().x / 2, viewTop = v.getCenter().y - v.getSize().y / 2;
    const float viewRight = viewLeft + v.getSize().x, viewBottom = viewTop + v.getSize().y;
    const bool unrotated = v.getRotation() == 0.f;

    const int c0 = srcLeft / kTileSize, c1 = (srcRight - 1) / kTileSize;
    const int r0 = srcTop / kTileSize, r1 = (srcBottom - 1) / kTileSize;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            const int tx = c * kTileSize, ty = r * kTileSize;
            const int left = std::max(srcLeft, tx), top = std::max(srcTop, ty);
            const int right = std::min(srcRight, tx + kTileSize), bottom = std::min(srcBottom, ty + kTileSize);
            // Offsets inside the sprite's own rectangle; a mirrored sprite reads them from the right.
            const float u = static_cast<float>(sprite.flipX ? sprite.rect.left + sprite.rect.width - right : left - sprite.rect.left);
            const float px = sprite.x + u * sprite.scaleX;
            const float py = sprite.y + static_cast<float>(top - sprite.rect.top) * sprite.scaleY;
            const float pw = static_cast<float>(right - left) * sprite.scaleX, ph = static_cast<float>(bottom - top) * sprite.scaleY;
            if (unrotated && (px >= viewRight || py >= viewBottom || px + pw <= viewLeft || py + ph <= viewTop)) continue;
            const sf::Texture* tile = tileTexture(set, image, r, c);
            if (!tile) continue;
            sf::Sprite piece(*tile);
            if (sprite.flipX)
                piece.setTextureRect(sf::IntRect(right - tx, top - ty, -(right - left), bottom - top));
            else
                piece.setTextureRect(sf::IntRect(left - tx, top - ty, right - left, bottom - top));
            piece.setPosition(px, py);
            piece.setScale(sprite.scaleX, sprite.scaleY);
            piece.setColor(sf::Color(sprite.color.r, sprite.color.g, sprite.color.b, sprite.color.a));
            target_->draw(piece);
        }
}
