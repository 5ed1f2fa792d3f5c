#pragma once

#include <set>
#include <string>

#include "level/LevelFile.h"
#include "level/LevelObject.h"
#include "world/LevelObjectSet.h"

// A level file as the game reads it: its records with their lines and why reading stopped,
// and the objects the game's loader builds from it.
class CheckedLevel {
public:
    explicit CheckedLevel(std::string path);
    // A level held in memory (the editor's) as the game would read it saved at `path`; the
    // records with a picture given are painted ones, not yet in any file.
    CheckedLevel(std::string path, LevelObjectSet::InMemory level);

    const std::string& path() const { return path_; }
    const LevelFile& file() const { return file_; }
    const LevelObjectSet& objects() const { return objects_; }
    // The flight level is played without the running character.
    bool isFlightLevel() const;
    // The record's picture is held in memory rather than named in a file.
    bool painted(const LevelRecord& record) const { return painted_.count(record.index) > 0; }
    // The line of the record an object was built from.
    int lineOf(const LevelObject& object) const;

private:
    std::string path_;
    LevelFile file_;
    LevelObjectSet objects_;
    std::set<int> painted_;
};
