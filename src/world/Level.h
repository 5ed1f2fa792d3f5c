#pragma once

#include <string>
#include <vector>

#include "audio/Music.h"

// What the game knows of a level, resolved once when it starts: the levels the game ships
// are listed in one place, every other file is a level of the player's own.
struct Level {
    std::string file;
    int number = 0;  // its place in the sequence; 0 for any other level
    Music music = Music::Unchanged;
    bool flight = false;
    bool shipped = false;
    // In the player's levels folder (GameFolders::levels): such a level stands alone, no level
    // follows it.
    bool own = false;
    // What the best times know it by: a shipped level's file name, an own level's path within
    // the levels folder; empty for any other level.
    std::string timesName;

    static Level of(const std::string& file);
    // The level a new game starts with, and the one a finished game resumes at.
    static const std::string& first();
    // The files of the levels the game ships, in their order.
    static std::vector<std::string> shippedFiles();
    // The file that follows by the numbering rule (Level2.txt gives Level3.txt, Level9.txt
    // Level10.txt); empty when the name has no number.
    std::string nextFile() const;
};
