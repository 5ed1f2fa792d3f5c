#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The field of a record at which reading stopped.
enum class LevelField { None, X, Y, Picture, Kind };

// One record of a level file: where a picture goes and what kind of object it is.
struct LevelRecord {
    int x = 0, y = 0;
    std::string picture;
    int kind = 0;
    int index = 0;         // number of the record from 0: the object's recordIndex
    int line = 0;          // 1-based line on which the record starts
    bool kindRead = true;  // false: the kind was missing or not a number and is LevelFile::kUnreadableKind
};

// Why the records ended. A file that ends between records stops at no field.
struct LevelFileStop {
    bool opened = true;
    LevelField field = LevelField::None;
    int line = 0;          // 1-based line of the field that could not be read
    std::string expected;  // what that field should have held, e.g. "an integer x"
    std::string found;     // the word found there (unprintable bytes as \xNN), or "end of file"

    bool clean() const { return opened && field == LevelField::None; }
};

// A level file read the way the game reads it: formatted extraction of x, y, picture and
// kind, fields separated by any white space, up to the end of the file or the first field
// that cannot be read. A record whose kind cannot be read is kept (and ends the file).
struct LevelFile {
    // Decoration: an unreadable kind shows the picture without letting it block or be erased.
    static constexpr int kUnreadableKind = 0;
    // Bounds that keep a damaged or hostile file from taking the game's memory: a larger file
    // gives no records, and reading stops after the last record allowed.
    static constexpr std::uintmax_t kMaxBytes = 64u << 20;
    static constexpr size_t kMaxRecords = 100000;

    std::vector<LevelRecord> records;
    LevelFileStop stop;

    // A file that cannot be opened, or is no regular file, gives no records and stop.opened = false.
    static LevelFile read(const std::string& path);
    static LevelFile parse(const std::string& text);
    // Where a picture the level at `levelPath` names is opened: beside the level file when it
    // is there, else in the game's data folder. A picture found beside its level keeps the
    // level's folder in its path, so two levels naming the same file never share one.
    static std::string picturePath(const std::string& levelPath, const std::string& picture);
};
