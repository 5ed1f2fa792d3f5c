#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/Image.h"
#include "platform/PictureHeader.h"

// Small damaged pictures that would cost the decoder gigabytes or minutes are refused from
// their headers; whole pictures of the same shape still load.

namespace {
std::filesystem::path found(const char* name) {
    return std::filesystem::path(TORVE_SOURCE_DIR) / "fuzz/corpus/image" / name;
}

// The header declares the size the decoder gives.
void expectDeclaredAndDecoded(const char* name, unsigned width, unsigned height) {
    const auto size = declaredPictureSize(name);
    ASSERT_TRUE(size) << name;
    EXPECT_EQ(size->width, width) << name;
    EXPECT_EQ(size->height, height) << name;
    Image loaded;
    EXPECT_TRUE(loaded.loadFromFile(name)) << name;
    EXPECT_EQ(loaded.width(), width) << name;
    EXPECT_EQ(loaded.height(), height) << name;
}
}  // namespace

// A 100-byte PNG whose second data chunk claims 1.1 GB: the decoder would reserve 2 GiB for it
// before finding the file short. The same picture whole, or with only its last checksum cut
// (which the decoder never reads), still loads.
TEST(DamagedPicture, APngChunkLongerThanTheFileIsRefusedUnread) {
    TempDir dir;
    Image small;
    small.create(2, 2, Color{9, 8, 7, 255});
    ASSERT_TRUE(small.saveToFile("small.png"));
    const std::string whole = dir.read("small.png");
    dir.write("cut.png", whole.substr(0, whole.size() - 4));
    for (const char* name : {"small.png", "cut.png"}) {
        Image loaded;
        EXPECT_TRUE(loaded.loadFromFile(name)) << name;
        EXPECT_EQ(loaded.width(), 2u) << name;
    }

    const auto damaged = found("found-idat-longer-than-file.png");
    ASSERT_TRUE(std::filesystem::exists(damaged));
    EXPECT_FALSE(declaredPictureSize(damaged.string()));
    Image refused;
    EXPECT_FALSE(refused.loadFromFile(damaged.string()));
    EXPECT_EQ(refused.width(), 0u);
}

// The decoder spins for minutes on a JPEG whose segment before the frame runs past the end,
// also when fill bytes come before its start marker (which the decoder accepts). The decoder
// is never reached for these, so a fault here fails rather than hangs.
TEST(DamagedPicture, AJpegEndingBeforeItsFrameIsRefused) {
    TempDir dir;
    dir.write("short.jpg", std::string("\xFF\xD8\xFF\xE0\x02\x2E\xFF", 7));
    for (const std::filesystem::path& path : {dir.path() / "short.jpg", found("found-fill-before-start.jpg")}) {
        ASSERT_TRUE(std::filesystem::exists(path));
        EXPECT_FALSE(declaredPictureSize(path.string())) << path;
    }

    Image small;
    small.create(2, 3, Color{9, 8, 7, 255});
    ASSERT_TRUE(small.saveToFile("small.jpg"));
    dir.write("filled.jpg", "\xFF\xFF" + dir.read("small.jpg"));
    for (const char* name : {"small.jpg", "filled.jpg"}) expectDeclaredAndDecoded(name, 2, 3);
}

// The sizes read from the headers are the decoded ones, wider than a byte so the byte order
// counts; bytes after a PNG's end chunk are not taken for chunks.
TEST(DamagedPicture, EveryWrittenFormatDeclaresTheSizeItDecodesTo) {
    TempDir dir;
    Image wide;
    wide.create(300, 2, Color{9, 8, 7, 255});
    for (const char* name : {"wide.png", "wide.bmp", "wide.tga", "wide.jpg"}) ASSERT_TRUE(wide.saveToFile(name));
    dir.write("trailing.png", dir.read("wide.png") + std::string(16, '\xFF'));
    for (const char* name : {"wide.png", "wide.bmp", "wide.tga", "wide.jpg", "trailing.png"})
        expectDeclaredAndDecoded(name, 300, 2);
}

// Headers of the formats no writer here makes, each declaring 300 x 2 in its own byte order.
TEST(DamagedPicture, HandMadeHeadersDeclareTheirSizes) {
    TempDir dir;
    auto padded = [](std::string head) { return head + std::string(96 - head.size(), '\0'); };
    const std::string w16le("\x2C\x01", 2), h16le("\x02\x00", 2), w32le("\x2C\x01\x00\x00", 4);
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"gif", padded("GIF89a" + w16le + h16le)},
        {"psd", padded(std::string("8BPS", 4) + std::string(10, '\0') + std::string("\0\0\0\x02", 4) +
                       std::string("\0\0\x01\x2C", 4))},
        {"pic", padded(std::string("\x53\x80\xF6\x34", 4) + std::string(84, '\0') + std::string("\x01\x2C\0\x02", 4))},
        {"core bmp", padded(std::string("BM", 2) + std::string(12, '\0') + std::string("\x0C\0\0\0", 4) + w16le + h16le)},
        {"top-down bmp", padded(std::string("BM", 2) + std::string(12, '\0') + std::string("\x28\0\0\0", 4) + w32le +
                                std::string("\xFE\xFF\xFF\xFF", 4))},
        // A second start marker has no length; an empty segment is skipped; then the frame.
        {"jpeg", std::string("\xFF\xD8\xFF\xD8\xFF\xE0\x00\x02\xFF\xC0\x00\x11\x08\x00\x02\x01\x2C", 17) +
                     std::string(12, '\0')},
    };
    for (const auto& f : files) {
        dir.write("head", f.bytes);
        const auto size = declaredPictureSize("head");
        ASSERT_TRUE(size) << f.name;
        EXPECT_EQ(size->width, 300u) << f.name;
        EXPECT_EQ(size->height, 2u) << f.name;
    }
    // Cut off in the middle of the size: nothing is declared.
    // The PSD keeps its width after its height.
    for (const std::string& cut : {files[0].bytes.substr(0, 9), files[1].bytes.substr(0, 20),
                                   std::string("\x89PNG\r\n\x1a\n", 8) + std::string(14, '\0')}) {
        dir.write("head", cut);
        EXPECT_FALSE(declaredPictureSize("head")) << cut.size();
    }
}
