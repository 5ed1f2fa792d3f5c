#include <gtest/gtest.h>

#include <tuple>

#include "TestSupport.h"
#include "resources/ImageCache.h"

namespace {
void writePng(const std::string& name, unsigned w, unsigned h) {
    Image img;
    img.create(w, h, Color{10, 20, 30, 255});
    ASSERT_TRUE(img.saveToFile(name));
}
}  // namespace

TEST(ImageCache, SamePathSamePictureReadOnce) {
    TempDir dir;
    writePng("cache_a.png", 3, 2);
    const int before = ImageCache::loadCount();
    Image* first = ImageCache::get("cache_a.png");
    Image* second = ImageCache::get(std::string("cache_a.png"));
    EXPECT_EQ(first, second);
    EXPECT_EQ(ImageCache::loadCount(), before + 1);
    EXPECT_EQ(first->width(), 3u);
    EXPECT_FALSE(first->smooth());
}

TEST(ImageCache, KeysAreComparedByteForByte) {
    TempDir dir;
    std::filesystem::create_directories("sub");
    writePng("sub/Pic.png", 1, 1);
    Image* slash = ImageCache::get("sub/Pic.png");
    Image* backslash = ImageCache::get("sub\\Pic.png");
    EXPECT_NE(slash, backslash);
    EXPECT_EQ(backslash->width(), 1u);  // opened through the mapped path all the same
}

TEST(ImageCache, MissingOrEmptyPathIsCachedEmpty) {
    TempDir dir;
    Image* missing = ImageCache::get("no_such_picture.png");
    EXPECT_EQ(missing->width(), 0u);
    EXPECT_EQ(missing->height(), 0u);
    const int before = ImageCache::loadCount();
    EXPECT_EQ(ImageCache::get("no_such_picture.png"), missing);
    EXPECT_EQ(ImageCache::loadCount(), before);
    EXPECT_EQ(ImageCache::get("")->width(), 0u);
}

TEST(Image, ChangesAreTrackedForUpload) {
    Image img;
    img.create(100, 50);
    EXPECT_EQ(img.pixel(99, 49), (Color{0, 0, 0, 0}));  // a new picture is transparent black
    img.takeDirty();
    const auto rev = img.revision();
    img.setPixel(10, 5, Color{0, 0, 0, 0});
    img.setPixel(20, 7, Color{0, 0, 0, 0});
    EXPECT_EQ(img.revision(), rev + 2);
    EXPECT_EQ(img.takeDirty(), (IntRect{10, 5, 11, 3}));
    EXPECT_TRUE(img.takeDirty().empty());
}

// A copy shows the original's pixels (and textures) until one of the two is changed; the
// changed one then has pixels of its own, new to the window, and the other is untouched.
TEST(Image, CopiesSharePixelsUntilOneIsChanged) {
    Image original;
    original.create(100, 50, Color{1, 2, 3, 255});
    original.takeDirty();
    Image copy = original, other;
    other = original;
    EXPECT_EQ(std::tuple(copy.id(), copy.revision(), copy.pixels()),
              std::tuple(original.id(), original.revision(), original.pixels()));

    copy.setPixel(40, 20, Color{0, 0, 0, 0});
    EXPECT_NE(copy.id(), original.id());
    EXPECT_EQ(copy.takeDirty(), (IntRect{0, 0, 100, 50}));
    EXPECT_EQ(std::tuple(copy.alpha(40, 20), copy.alpha(41, 20)), std::tuple(0, 255));
    EXPECT_EQ(std::tuple(original.alpha(40, 20), other.alpha(40, 20)), std::tuple(255, 255));
    EXPECT_TRUE(original.takeDirty().empty());
    EXPECT_EQ(other.id(), original.id());

    // The last one showing them writes in place.
    const std::uint8_t* own = copy.pixels();
    copy.setPixel(41, 20, Color{0, 0, 0, 0});
    EXPECT_EQ(copy.pixels(), own);
    // A reload replaces the pixels for this image only.
    other.create(2, 2);
    EXPECT_EQ(std::tuple(other.width(), original.width(), original.alpha(0, 0)), std::tuple(2u, 100u, 255));
}
