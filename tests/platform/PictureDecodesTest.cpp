#include <gtest/gtest.h>

#include <SFML/System/Err.hpp>
#include <cstring>
#include <sstream>
#include <tuple>

#include "TestSupport.h"
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
