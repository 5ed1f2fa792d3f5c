#include <gtest/gtest.h>

#include "app/GameHarness.h"

// Whatever became of the settings file, the game plays with the tuning it ships with, says
// once in the menus that the file could not be read, and leaves the file as it found it.
TEST(DamagedSettings, PlayGoesOnWithTheShippedTuningAndTheMenusSaySo) {
    const std::string nulInHeader("[Pla\0yer]\nGravity=0\nRunSpeed=0\n", 31);
    const std::string junk = "\x7f" "ELF\x02\x01\x01\x00\xff\xfe]]==\n\x01[\x80\x81\n";
    for (const std::string& damage : {std::string(), junk, nulInHeader, std::string("a folder")}) {
        SCOPED_TRACE(testing::PrintToString(damage));
        GameHarness h;
        if (damage == "a folder") std::filesystem::create_directory(h.dir.path() / "config.ini");
        else h.dir.write("config.ini", damage);
        Image ground;
        ground.create(2000, 40, Color{0, 0, 0, 255});
        ground.saveToFile("ground.png");
        h.dir.write("Level.txt", "0 300 ground.png 3\n");
        h.game = std::make_unique<Game>();

        const auto& lines = h.game->unsavedNotice.lines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("The game's own settings stand in: could not read ", 0), 0u) << lines[0];
        h.game->startLevel("Level.txt");
        h.input().setHeld(sf::Keyboard::D, true);
        h.frames(120);
        const Player& player = h.game->world.player;
        EXPECT_FLOAT_EQ(player.y + player.height, 300);  // fell onto the ground
        EXPECT_GT(player.x, 700);                        // and ran along it
        if (damage != "a folder") EXPECT_EQ(h.dir.read("config.ini"), damage);
    }
}
