#include <gtest/gtest.h>

#include <SFML/System/Err.hpp>
#include <cstring>
#include <sstream>
#include <tuple>

#include "TestSupport.h"
#include "platform/PackedPicture.h"
#include "platform/PictureDecodes.h"

namespace {
// A picture whose header passes every check but whose pixel data cannot be inflated.
void writeBrokenPicture(const TempDir& dir, const std::string& name) {
    Image picture;
    picture.create(40, 30, Color{1, 2, 3, 255});
    ASSERT_TRUE(picture.saveToFile(name));
    std::string bytes = dir.read(name);
    const size_t idat = bytes.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    for (size_t i = idat + 4; i < idat + 12; ++i) bytes[i] = '\xff';
    dir.write(name, bytes);
}
}  // namespace

// A load takes the picture decoded ahead, the same pixels a plain load reads; a picture that
// cannot be decoded is reported once, at its load, as it would be without decoding ahead.
TEST(PictureDecodes, LoadsTakeTheSamePicturesAndFailuresReportAtTheirLoad) {
    TempDir dir;
    Image drawn;
    drawn.create(300, 200, Color{10, 20, 30, 255});
    drawn.setPixel(7, 9, Color{1, 2, 3, 4});
    ASSERT_TRUE(drawn.saveToFile("sheet.png"));
    writeBrokenPicture(dir, "broken.png");

    std::ostringstream err;
    std::streambuf* const errors = sf::err().rdbuf(err.rdbuf());
    Image sheet, broken, plain;
    {
        const PictureDecodes decodes({"sheet.png", "broken.png", "missing.png"});
        err << "[loads]";
        EXPECT_TRUE(sheet.loadFromFile("sheet.png"));
        EXPECT_FALSE(broken.loadFromFile("broken.png"));
        err << "[done]";
    }
    sf::err().rdbuf(errors);
    ASSERT_TRUE(plain.loadFromFile("sheet.png"));
    ASSERT_EQ(std::tuple(sheet.width(), sheet.height(), broken.width()), std::tuple(300u, 200u, 0u));
    EXPECT_TRUE(sheet.samePixels(plain));
    const std::string report = err.str();
    const size_t mention = report.find("broken.png");
    EXPECT_EQ(report.rfind("broken.png"), mention);
    EXPECT_LT(report.find("[loads]"), mention);
    EXPECT_GT(report.find("[done]"), mention);
}

// Packed a band at a time, a picture unpacks to the pixels a whole load reads, tile by tile;
// what the band reader does not take (here a JPEG) is left to the whole load.
TEST(PackedPicture, TilesHoldThePixelsOfAWholeLoad) {
    TempDir dir;
    Image made;
    made.create(300, 520);
    for (unsigned y = 0; y < 520; y += 3)
        for (unsigned x = 0; x < 300; x += 7) made.setPixel(x, y, Color{std::uint8_t(x), std::uint8_t(y), 9, std::uint8_t(x + y)});
    ASSERT_TRUE(made.saveToFile("made.png"));
    ASSERT_TRUE(made.saveToFile("made.jpg"));
    Image whole;
    ASSERT_TRUE(whole.loadFromFile("made.png"));
    const auto packed = PackedPicture::read("made.png");
    ASSERT_TRUE(packed);
    EXPECT_FALSE(PackedPicture::read("made.jpg"));
    std::vector<std::uint8_t> tile;
    for (size_t index = 0; index < 6; ++index) {
        ASSERT_TRUE(packed->unpack(index, tile));
        const unsigned left = unsigned(index % 2) * 256, top = unsigned(index / 2) * 256;
        const unsigned w = std::min(256u, 300 - left);
        for (unsigned y = top; y < std::min(top + 256, 520u); ++y)
            ASSERT_EQ(std::memcmp(&tile[size_t(y - top) * w * 4], whole.row(y) + left * 4, w * 4), 0) << index << " " << y;
    }
}
