#include <gtest/gtest.h>

#include <SFML/Graphics/RenderTexture.hpp>
#include <array>
#include <cstdlib>
#include <tuple>

#include "TestSupport.h"
#include "platform/HeadlessWindow.h"
#include "platform/SfmlWindow.h"

namespace {
bool haveDisplay() { return std::getenv("DISPLAY") != nullptr; }
}  // namespace

TEST(HeadlessWindow, MapsPixelsLikeSfml) {
    if (!haveDisplay()) GTEST_SKIP() << "no display for the reference render target";
    HeadlessWindow window;
    sf::RenderTexture reference;
    ASSERT_TRUE(reference.create(1024, 768));
    const sf::View views[] = {sf::View(sf::FloatRect(0, 0, 1024, 768)), sf::View(sf::FloatRect(3000, -500, 1024, 768)),
                              sf::View(sf::FloatRect(-10, 20, 800, 300))};
    for (const auto& view : views) {
        window.setView(view);
        for (int px : {0, 1, 511, 1023})
            for (int py : {0, 383, 767}) {
                const sf::Vector2f ours = window.mapPixelToCoords(px, py);
                const sf::Vector2f theirs = reference.mapPixelToCoords({px, py}, view);
                EXPECT_NEAR(ours.x, theirs.x, 1e-3);
                EXPECT_NEAR(ours.y, theirs.y, 1e-3);
            }
    }
}

namespace {
sf::Color screenPixel(SfmlWindow& window, unsigned x, unsigned y) {
    sf::Texture shot;
    shot.create(window.width(), window.height());
    shot.update(window.renderWindow());
    return shot.copyToImage().getPixel(x, y);
}
}  // namespace

TEST(SfmlWindow, UploadsOnlyChangedTilesAndDrawsMirroredAndTiled) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    SfmlWindow window(640, 480, false);
    window.setView(sf::View(sf::FloatRect(0, 0, 640, 480)));
    Image big;
    big.create(600, 300, Color{255, 0, 0, 255});  // 3 x 2 tiles
    for (unsigned y = 0; y < 300; ++y) big.setPixel(599, y, Color{0, 0, 255, 255});
    Sprite sprite(&big);

    window.clear();
    window.draw(sprite);
    window.display();
    EXPECT_EQ(window.textureCount(), 1u);
    const auto firstUpload = window.uploadedBytes();
    EXPECT_EQ(firstUpload, 600u * 300u * 4u);

    big.setPixel(300, 100, Color{0, 255, 0, 255});
    window.clear();
    window.draw(sprite);
    EXPECT_EQ(window.uploadedBytes() - firstUpload, 4u);  // one pixel, one tile
    EXPECT_EQ(screenPixel(window, 300, 100), sf::Color(0, 255, 0));
    EXPECT_EQ(screenPixel(window, 599, 10), sf::Color(0, 0, 255));

    // Mirrored in the same place: the blue right column shows at the left edge.
    window.clear();
    sprite.flipX = true;
    window.draw(sprite);
    EXPECT_EQ(screenPixel(window, 0, 10), sf::Color(0, 0, 255));
    EXPECT_EQ(screenPixel(window, 599, 10), sf::Color(255, 0, 0));
    EXPECT_EQ(screenPixel(window, 299, 100), sf::Color(0, 255, 0));
}

// Images sharing pixels (level objects showing a cached picture) share one set of textures
// until one of them is changed; the others still show the old pixels.
TEST(SfmlWindow, CopiesShareTexturesUntilOneIsChanged) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    SfmlWindow window(640, 480, false);
    window.setView(sf::View(sf::FloatRect(0, 0, 640, 480)));
    Image cached;
    cached.create(300, 200, Color{255, 0, 0, 255});
    Image erased = cached, untouched = cached;
    Sprite left(&erased), right(&untouched);
    right.setPosition(300, 0);
    const auto drawBoth = [&] {
        window.clear();
        window.draw(left);
        window.draw(right);
    };
    drawBoth();
    EXPECT_EQ(std::tuple(window.textureCount(), window.uploadedBytes()), std::tuple(size_t{1}, 300u * 200u * 4u));

    erased.setPixel(10, 10, Color{0, 255, 0, 255});
    drawBoth();
    EXPECT_EQ(std::tuple(window.textureCount(), window.uploadedBytes()), std::tuple(size_t{2}, 2 * 300u * 200u * 4u));
    EXPECT_EQ(screenPixel(window, 10, 10), sf::Color(0, 255, 0));
    EXPECT_EQ(screenPixel(window, 310, 10), sf::Color(255, 0, 0));
}

// A picture only drawn is decoded for its upload and let go right after, yet shows; a tile
// with nothing to show gets no texture until something is drawn into it.
TEST(SfmlWindow, OnlyWhatShowsIsHeldAfterTheUpload) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    TempDir dir;
    Image made;
    made.create(600, 300);
    for (unsigned y = 0; y < 300; ++y)
        for (unsigned x = 256; x < 600; ++x) made.setPixel(x, y, Color{0, 0, 255, 255});
    ASSERT_TRUE(made.saveToFile("drawn.png"));
    SfmlWindow window(640, 480, false);
    window.setView(sf::View(sf::FloatRect(0, 0, 640, 480)));
    Image drawn;
    ASSERT_TRUE(drawn.loadForDrawing("drawn.png"));
    window.clear();
    window.draw(Sprite(&drawn));
    EXPECT_FALSE(drawn.holdsPixels());
    EXPECT_EQ(window.uploadedBytes(), (600u - 256u) * 300u * 4u);
    EXPECT_EQ(screenPixel(window, 599, 299), sf::Color(0, 0, 255));
    // Off screen for a few seconds, its textures go; drawn again, they come back from the packed copy.
    for (int frame = 0; frame < 200; ++frame) window.display();
    window.clear();
    window.draw(Sprite(&drawn));
    EXPECT_EQ(window.uploadedBytes(), 2u * (600u - 256u) * 300u * 4u);
    EXPECT_EQ(screenPixel(window, 599, 299), sf::Color(0, 0, 255));

    Image clear;
    clear.create(300, 200);
    window.draw(Sprite(&clear));
    clear.setPixel(10, 10, Color{0, 255, 0, 255});
    window.draw(Sprite(&clear));
    EXPECT_EQ(window.uploadedBytes(), 2u * (600u - 256u) * 300u * 4u + 256u * 200u * 4u);
    EXPECT_EQ(screenPixel(window, 10, 10), sf::Color(0, 255, 0));
}

TEST(SfmlWindow, NoTextureOutlivesItsImage) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    SfmlWindow window(320, 240, false);
    for (int i = 0; i < 50; ++i) {
        Image temp;
        temp.create(300, 300, Color{1, 2, 3, 255});
        window.draw(Sprite(&temp));
    }
    EXPECT_EQ(window.textureCount(), 0u);
}

TEST(SfmlWindow, LeavingFullScreenGivesTheWindowItsOwnSizeBack) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    // The display has no 800 x 600 mode, so full screen takes the display's size.
    SfmlWindow window(800, 600, true);
    ASSERT_NE(window.width(), 800u);
    window.recreate(false, 64);
    EXPECT_EQ((std::array{window.width(), window.height()}), (std::array{800u, 600u}));
    window.recreate(true, 64);
    window.recreate(false, 64);
    EXPECT_EQ((std::array{window.width(), window.height()}), (std::array{800u, 600u}));
}
