#include <gtest/gtest.h>

#include "TestSupport.h"
#include "config/Config.h"

TEST(Config, NamesMatchWithoutRegardToCase) {
    TempDir dir;
    dir.write("config.ini", "[PLAYER]\ngravity = 0.5\n");
    Config config;
    EXPECT_DOUBLE_EQ(config.real("Player", "Gravity", "UNKNOWN"), 0.5);
}

TEST(Config, IntegersAcceptHexOctalAndFallBackWithoutDigits) {
    TempDir dir;
    dir.write("config.ini", "[Resolution]\nx = 0x400\ny = 012\nFullscreen = abc\n");
    Config config;
    EXPECT_EQ(config.integer("Resolution", "x", 1024), 1024);
    EXPECT_EQ(config.integer("Resolution", "y", 768), 10);
    EXPECT_EQ(config.integer("Resolution", "Fullscreen", 0), 0);
    dir.write("config.ini", "[Resolution]\nx = abc\n");
    EXPECT_EQ(Config().integer("Resolution", "x", 1024), 1024);
}

TEST(Config, InlineCommentsNeedWhiteSpaceBeforeThem) {
    TempDir dir;
    dir.write("config.ini", "[Boomerang]\nSpeed = 12 ; fast\n[Arrow]\nSpeed = 12;fast\n");
    Config config;
    EXPECT_EQ(config.text("Boomerang", "Speed", ""), "12");
    EXPECT_EQ(config.text("Arrow", "Speed", ""), "12;fast");
    EXPECT_DOUBLE_EQ(config.real("Arrow", "Speed", "0"), 12.0);
}

TEST(Config, SameKeyInTwoSectionsIsTwoValues) {
    TempDir dir;
    dir.write("config.ini", "[Boomerang]\nSpeed=12\n[Arrow]\nSpeed=2\n");
    Config config;
    EXPECT_EQ(config.integer("Boomerang", "Speed", 0), 12);
    EXPECT_EQ(config.integer("Arrow", "Speed", 0), 2);
}

TEST(Config, MissingOrUnusableValuesTakeTheShippedOnes) {
    TempDir dir;
    const Config missing;
    EXPECT_DOUBLE_EQ(missing.real("Player", "Gravity", "UNKNOWN"), 0.3);
    EXPECT_DOUBLE_EQ(missing.real("Sound", "Music_Volume", "1.0"), 0.8);
    EXPECT_EQ(missing.integer("Resolution", "x", 1), 1024);
    EXPECT_EQ(missing.integer("Boomerang", "Width", 24), 24);  // not shipped: the caller's default

    dir.write("config.ini", "[Sound]\nMusic_Volume=loud\nSound_Volume=nan\n[Resolution]\nx=1e9\ny=abc\n"
                            "[Player]\nGravity=-inf\n");
    const Config spoilt;
    EXPECT_DOUBLE_EQ(spoilt.real("Sound", "Music_Volume", "1.0"), 0.8);
    EXPECT_DOUBLE_EQ(spoilt.real("Sound", "Sound_Volume", "1.0"), 1.0);
    EXPECT_DOUBLE_EQ(spoilt.real("Player", "Gravity", "UNKNOWN"), 0.3);
    EXPECT_EQ(spoilt.integer("Resolution", "x", 1024), 1000000000);  // whole, for the window to clamp
    EXPECT_EQ(spoilt.integer("Resolution", "y", 1), 768);

    dir.write("config.ini", "[Sound]\nMusic_Volume=1.7\nSound_Volume=-2\n");
    const Config loud;
    testing::internal::CaptureStderr();
    EXPECT_DOUBLE_EQ(loud.volume("Music_Volume"), 1.0);
    EXPECT_DOUBLE_EQ(loud.volume("Sound_Volume"), 0.0);
    EXPECT_DOUBLE_EQ(spoilt.volume("Music_Volume"), 0.8);  // within: nothing to say
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "torve: config.ini: [Sound] Music_Volume=1.7 lies outside 0 to 1; using 1\n"
              "torve: config.ini: [Sound] Sound_Volume=-2 lies outside 0 to 1; using 0\n");
}

TEST(Config, AKeyGivenTwiceTakesTheLaterValueAndAByteOrderMarkIsNoText) {
    TempDir dir;
    dir.write("config.ini", "\xEF\xBB\xBF[Sound]\nMusic_Volume=0.2\nMusic_Volume=0.7\n[Resolution]\nx=800\nx=1280\n");
    Config config;
    EXPECT_DOUBLE_EQ(config.real("Sound", "Music_Volume", "1.0"), 0.7);
    EXPECT_EQ(config.integer("Resolution", "x", 1024), 1280);
    EXPECT_EQ(config.text("Resolution", "x", ""), "1280");
}
