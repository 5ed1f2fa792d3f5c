#include <gtest/gtest.h>

#include <tuple>

#include "TestSupport.h"
#include "resources/ImageCache.h"
#include "world/LevelObjectSet.h"

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
    const Image* first = &ImageCache::forLevel("cache_a.png");
    const Image* second = &ImageCache::forLevel(std::string("cache_a.png"));
    EXPECT_EQ(first, second);
    EXPECT_EQ(ImageCache::loadCount(), before + 1);
    EXPECT_EQ(first->width(), 3u);
    EXPECT_FALSE(first->smooth());
}

TEST(ImageCache, KeysAreComparedByteForByte) {
    TempDir dir;
    std::filesystem::create_directories("sub");
    writePng("sub/Pic.png", 1, 1);
    const Image* slash = &ImageCache::forLevel("sub/Pic.png");
    const Image* backslash = &ImageCache::forLevel("sub\\Pic.png");
    EXPECT_NE(slash, backslash);
    EXPECT_EQ(backslash->width(), 1u);  // opened through the mapped path all the same
}

TEST(ImageCache, MissingOrEmptyPathIsCachedEmpty) {
    TempDir dir;
    const Image* missing = &ImageCache::forLevel("no_such_picture.png");
    EXPECT_EQ(missing->width(), 0u);
    EXPECT_EQ(missing->height(), 0u);
    const int before = ImageCache::loadCount();
    EXPECT_EQ(&ImageCache::forLevel("no_such_picture.png"), missing);
    EXPECT_EQ(ImageCache::loadCount(), before);
    EXPECT_EQ(ImageCache::forLevel("").width(), 0u);
}

// A level's pictures last while its objects show them; a picture a rule reads keeps its pixels
// even where another object only draws it.
TEST(ImageCache, ALevelsPicturesGoWithItsObjects) {
    TempDir dir;
    writePng("a.png", 4, 4);
    writePng("b.png", 4, 4);
    dir.write("A.txt", "0 0 a.png 3\n10 0 b.png 0\n");
    dir.write("B.txt", "0 0 b.png 0\n0 0 b.png 3\n");
    LevelObjectSet set;
    const int before = ImageCache::loadCount();
    set.load("A.txt");
    set.load("B.txt");
    set.load("A.txt");
    EXPECT_EQ(ImageCache::loadCount() - before, 3);  // a.png twice
    set.load("B.txt");
    set.mainList[0]->image.letPixelsGo();
    EXPECT_TRUE(set.mainList[0]->image.holdsPixels());
}

// Headless a picture only drawn is never decoded; read for the window, it may go again, and
// comes back clear when its file changed meanwhile.
TEST(Image, APictureOnlyDrawnIsDecodedOnlyWhileNeeded) {
    TempDir dir;
    writePng("drawn.png", 3, 2);
    Image shown;
    ASSERT_TRUE(shown.loadForDrawing("drawn.png"));
    EXPECT_EQ(std::tuple(shown.width(), shown.height(), shown.holdsPixels()), std::tuple(3u, 2u, false));
    shown.holdPixels();
    EXPECT_EQ(shown.pixel(2, 1), (Color{10, 20, 30, 255}));
    shown.letPixelsGo();
    EXPECT_FALSE(shown.holdsPixels());
    writePng("drawn.png", 5, 5);
    shown.holdPixels();
    EXPECT_EQ(std::tuple(shown.width(), shown.alpha(2, 1)), std::tuple(3u, 0));
    EXPECT_FALSE(Image().loadForDrawing("missing.png"));
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
    EXPECT_EQ(std::tuple(copy.id(), copy.revision(), copy.row(20)),
              std::tuple(original.id(), original.revision(), original.row(20)));

    copy.setPixel(40, 20, Color{0, 0, 0, 0});
    EXPECT_NE(copy.id(), original.id());
    EXPECT_EQ(copy.takeDirty(), (IntRect{0, 0, 100, 50}));
    EXPECT_EQ(std::tuple(copy.alpha(40, 20), copy.alpha(41, 20)), std::tuple(0, 255));
    EXPECT_EQ(std::tuple(original.alpha(40, 20), other.alpha(40, 20)), std::tuple(255, 255));
    EXPECT_TRUE(original.takeDirty().empty());
    EXPECT_EQ(other.id(), original.id());

    // The last one showing them writes in place.
    // Only the changed row is copied; the last one showing it writes in place.
    EXPECT_EQ(std::tuple(copy.row(19), copy.row(21)), std::tuple(original.row(19), original.row(21)));
    const std::uint8_t* own = copy.row(20);
    EXPECT_NE(own, original.row(20));
    copy.setPixel(41, 20, Color{0, 0, 0, 0});
    EXPECT_EQ(copy.row(20), own);
    // A reload replaces the pixels for this image only.
    other.create(2, 2);
    EXPECT_EQ(std::tuple(other.width(), original.width(), original.alpha(0, 0)), std::tuple(2u, 100u, 255));
}

// Rows that are all zero (most of a character sheet) and the rows of a new picture are held
// once; changing one of them, or saving, must still see every row on its own.
TEST(Image, RowsHeldOnceAreChangedOneAtATime) {
    TempDir dir;
    Image drawn;
    drawn.create(40, 40);
    for (unsigned x = 0; x < 40; ++x) {
        drawn.setPixel(x, 30, Color{200, 100, 50, 255});
        drawn.setPixel(x, 35, Color{9, 9, 9, 0});  // no alpha, yet not empty
    }
    EXPECT_EQ(std::tuple(drawn.alpha(0, 29), drawn.alpha(0, 30), drawn.pixel(3, 35), drawn.alpha(0, 36)),
              std::tuple(0, 255, Color{9, 9, 9, 0}, 0));
    ASSERT_TRUE(drawn.saveToFile("sparse.png"));

    Image sheet;
    ASSERT_TRUE(sheet.loadFromFile("sparse.png"));
    EXPECT_TRUE(sheet.samePixels(drawn));
    EXPECT_EQ(std::tuple(sheet.row(0), sheet.row(39)), std::tuple(sheet.row(29), sheet.row(29)));
    Image copy = sheet;
    copy.setPixel(7, 5, Color{1, 2, 3, 4});
    EXPECT_EQ(std::tuple(copy.pixel(7, 5), copy.pixel(7, 6), copy.pixel(7, 4), sheet.pixel(7, 5)),
              std::tuple(Color{1, 2, 3, 4}, Color{0, 0, 0, 0}, Color{0, 0, 0, 0}, Color{0, 0, 0, 0}));
    EXPECT_FALSE(copy.samePixels(sheet));
    copy.setPixel(7, 5, Color{0, 0, 0, 0});
    EXPECT_TRUE(copy.samePixels(sheet));
}
