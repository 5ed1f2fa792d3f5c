#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "world/LevelObjectSet.h"

// A picture painted in the editor: terrain the author draws, saved as a PNG beside the level.
struct PaintedPiece {
    Image image;
    // The file it was last read from or saved to, by name beside the level; empty until saved.
    std::string file;
    // Changed since then: the next save writes it under a fresh name.
    bool changed = false;
};

// One record of the level as the editor holds it, in drawing order.
struct Placed {
    int x = 0, y = 0;
    // As the level file names it; a painted piece's file name once it is saved.
    std::string picture;
    int kind = 0;
    // Set for terrain painted in the editor.
    std::shared_ptr<PaintedPiece> painted;

    bool operator==(const Placed&) const = default;
};

// A level open in the editor: its records and the pictures painted in it, read from and saved
// to its file. A save writes the painted pieces that changed under fresh names, then the level
// file in one rename, then removes the pieces it no longer names: until the rename the old
// file names only old pieces, so a crash at any point leaves one whole level or the other.
class EditedLevel {
public:
    // Painted pieces are cut in squares of this side, no larger than any picture the game holds.
    static constexpr int kPieceSide = 512;

    // The level in `path`; a new, empty one when no file is there. Nothing, and `error` set,
    // when a file is there but holds no level.
    static std::optional<EditedLevel> open(const std::string& path, std::string& error);
    // Why `open` would refuse the file, read without its pictures; nothing when it would not.
    static std::optional<std::string> refusal(const std::string& path);

    const std::string& path() const { return path_; }
    // The picture a record shows: its painted piece, or the picture its file names.
    const Image& pictureOf(const Placed& record) const;
    // Writes the level; false, with `error` saying what could not be written, when the disk
    // refused it. The level stays as it was in memory either way.
    bool save(std::string& error);
    // Saves the level as it is under another name beside it, its painted pieces written anew
    // under that name; this level is left as it was.
    bool saveCopy(const std::string& path, std::string& error) const;
    // Where `keepUnsaved` puts changes the author never saved: "<level>-unsaved.txt" beside it.
    std::string unsavedPath() const;
    // The records as the game's loader places them from memory: each painted piece's picture
    // given, every other picture read as the game reads it. A record's line is its place, from 1.
    LevelObjectSet::InMemory inMemory() const;
    // The level file's text for the records as they are, painted pieces under their saved names.
    std::string text() const;

    std::vector<Placed> records;

private:
    explicit EditedLevel(std::string path) : path_(std::move(path)) {}
    std::string folder() const;
    std::string stem() const;
    // A painted piece's file: "<level>-pencil-<n>.png" or "<level>-ink-<n>.png" beside the level.
    bool namesPiece(const std::string& file) const;
    std::string freshPieceName(int kind) const;

    std::string path_;
    // Copies of the cached pictures shown, so they stay while the editor shows them.
    mutable std::map<std::string, Image> pictures_;
};
