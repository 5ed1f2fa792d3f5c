#pragma once

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/GameWindow.h"
#include "platform/PackedPicture.h"
#include "platform/SfmlPad.h"

// The real window. Input comes from the window's events and the first gamepad, and is dropped
// when the window loses focus. Images become textures lazily, cut into tiles, one set for all images sharing
// their pixels; a tile gets its texture when it is first drawn, after pixels change only the
// touched tiles are uploaded again, and pixels no image shows any more take their textures with them.
class SfmlWindow : public GameWindow {
public:
    static constexpr int kTileSize = PackedPicture::kTileSize;

    SfmlWindow(unsigned width, unsigned height, bool fullscreen);
    ~SfmlWindow() override;

    const InputState& input() const override { return input_; }
    unsigned width() const override { return window_.getSize().x; }
    unsigned height() const override { return window_.getSize().y; }
    const sf::View& view() const override { return window_.getView(); }
    void setView(const sf::View& view) override;
    float frameSeconds() const override { return frameSeconds_; }

    void processEvents() override;
    void clear() override;
    void draw(const Sprite& sprite) override;
    void display() override;
    void beginKept(const IntRect& area) override;
    void endKept() override;
    void scrollKept(int dx, int dy) override;
    void drawKept() override;
    bool keptWhole() const override;

    bool isOpen() const override { return window_.isOpen(); }
    void close() override { window_.close(); }
    void recreate(bool fullscreen, unsigned frameLimit) override;

    sf::RenderWindow& renderWindow() { return window_; }
    // Bytes sent to the GPU since start, for measuring uploads.
    std::uint64_t uploadedBytes() const { return uploadedBytes_; }
    size_t textureCount() const { return textures_.size(); }

private:
    struct Tile {
        std::unique_ptr<sf::Texture> texture;
        std::uint64_t lastDrawn = 0;
        // Nothing in it shows.
        bool blank = false;
    };
    struct TextureSet {
        std::uint64_t revision = 0;
        unsigned width = 0, height = 0;
        int columns = 0, rows = 0;
        bool smooth = false;
        // Of a picture that lets its pixels go, the tiles are made from its packed copy: most
        // of a character sheet is never drawn, and a tile long off screen is made again from it.
        // The others are made from the pixels the picture keeps.
        std::shared_ptr<const PackedPicture> packed;
        // Textures made from pixels let go at once, which no tile gives back.
        bool pinned = false;
        std::vector<Tile> tiles;
    };

    void open(unsigned width, unsigned height, bool fullscreen, unsigned frameLimit);
    TextureSet& texturesFor(const Image& image);
    void upload(TextureSet& set, const Image& image, const IntRect& area);
    // Copies a rectangle of the picture into the staging buffer; whether any pixel in it shows.
    bool stage(const Image& image, int left, int top, int right, int bottom);
    static std::shared_ptr<const PackedPicture> packedCopy(const Image& image);
    void uploadWhole(TextureSet& set, const Image& image);
    // The tile's texture, made from its packed or current pixels on first use; null when blank.
    const sf::Texture* tileTexture(TextureSet& set, const Image& image, int row, int column);
    // Lets go of the textures of tiles not drawn for a while; they are made again when next drawn.
    void dropIdleTiles();
    static void releaseImage(std::uint64_t id);

    sf::RenderWindow window_;
    // Where draws go: the window, or the kept picture between beginKept and endKept.
    sf::RenderTarget* target_ = &window_;
    // Null until first wanted, and when the system gives no render textures: then the kept
    // picture's draws go straight to the window and it is never whole.
    std::unique_ptr<sf::RenderTexture> kept_;
    // What a scroll draws the kept picture into, then takes its place.
    std::unique_ptr<sf::RenderTexture> spare_;
    bool keptWhole_ = false, keepingWhole_ = false, keptRefused_ = false;
    InputState input_;
    // A press and its release within one frame still show as held for that frame; the
    // release is applied at the next frame's events.
    InputState pressedThisFrame_, releaseNextFrame_;
    SfmlPad pad_;
    bool focused_ = false;
    bool fullscreen_ = false;
    // The configured size until the player resizes the window.
    sf::Vector2u windowedSize_;
    sf::Clock frameClock_;
    float frameSeconds_ = 1.f / 60.f;
    std::unordered_map<std::uint64_t, TextureSet> textures_;
    std::vector<std::uint8_t> staging_;
    float wheelTravel_ = 0;
    std::uint64_t uploadedBytes_ = 0;
    std::uint64_t frame_ = 0;
};
