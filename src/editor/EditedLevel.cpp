#include "editor/EditedLevel.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "level/Kinds.h"
#include "level/LevelFile.h"
#include "platform/FileWriter.h"
#include "platform/Paths.h"
#include "resources/ImageCache.h"

namespace fs = std::filesystem;

namespace {
// A PNG written, then flushed to the disk, so the level file renamed after it never names a
// picture that a crash could still take back.
bool writePicture(const Image& image, const std::string& path) {
    if (!image.saveToFile(path)) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool flushed = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    return flushed;
}

std::string textOf(const std::vector<Placed>& records) {
    std::ostringstream out;
    for (const Placed& r : records)
        out << r.x << ' ' << r.y << ' ' << (r.painted ? r.painted->file : r.picture) << ' ' << r.kind << '\n';
    return out.str();
}

bool anyPixelShows(const Image& image) {
    for (unsigned y = 0; y < image.height(); ++y)
        for (unsigned x = 0; x < image.width(); ++x)
            if (image.alpha(x, y) != 0) return true;
    return false;
}
}  // namespace

namespace {
std::optional<std::string> refusalOf(const std::string& path, const LevelFile& file) {
    if (!file.stop.opened) return path + " cannot be read";
    if (!file.stop.clean())
        return path + " is not a level file: line " + std::to_string(file.stop.line) + ": expected " +
               file.stop.expected + ", found '" + file.stop.found + "'";
    return std::nullopt;
}
}  // namespace

std::optional<std::string> EditedLevel::refusal(const std::string& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return std::nullopt;
    return refusalOf(path, LevelFile::read(path));
}

std::optional<EditedLevel> EditedLevel::open(const std::string& path, std::string& error) {
    EditedLevel level(path);
    std::error_code ec;
    if (!fs::exists(path, ec)) return level;
    const LevelFile file = LevelFile::read(path);
    if (const auto refused = refusalOf(path, file)) {
        error = *refused;
        return std::nullopt;
    }
    for (const LevelRecord& r : file.records) {
        Placed placed{r.x, r.y, r.picture, r.kind, nullptr};
        if (level.namesPiece(r.picture)) {
            auto piece = std::make_shared<PaintedPiece>();
            // A piece that cannot be read is painted anew from nothing rather than lost from the file.
            if (!piece->image.loadFromFile(level.folder() + "/" + r.picture))
                piece->image.create(kPieceSide, kPieceSide);
            piece->image.keepPixels();
            piece->file = r.picture;
            placed.painted = std::move(piece);
        }
        level.records.push_back(std::move(placed));
    }
    return level;
}

std::string EditedLevel::folder() const {
    const fs::path parent = fs::path(path_).parent_path();
    return parent.empty() ? "." : parent.string();
}

std::string EditedLevel::stem() const { return fs::path(path_).stem().string(); }

bool EditedLevel::namesPiece(const std::string& file) const {
    static const std::regex piece("(.*)-(pencil|ink)-[0-9]+\\.png");
    std::smatch m;
    return std::regex_match(file, m, piece) && m[1] == stem();
}

std::string EditedLevel::freshPieceName(int kind) const {
    std::set<std::string> named;
    for (const Placed& r : records)
        if (r.painted) named.insert(r.painted->file);
    const std::string prefix = stem() + (kind == Kind::Ink ? "-ink-" : "-pencil-");
    for (int n = 1;; ++n) {
        const std::string name = prefix + std::to_string(n) + ".png";
        std::error_code ec;
        if (!named.count(name) && !fs::exists(folder() + "/" + name, ec)) return name;
    }
}

const Image& EditedLevel::pictureOf(const Placed& record) const {
    if (record.painted) return record.painted->image;
    auto it = pictures_.find(record.picture);
    if (it == pictures_.end())
        it = pictures_.emplace(record.picture, ImageCache::forLevel(LevelFile::picturePath(path_, record.picture))).first;
    return it->second;
}

std::string EditedLevel::text() const { return textOf(records); }

LevelObjectSet::InMemory EditedLevel::inMemory() const {
    LevelObjectSet::InMemory level;
    for (const Placed& p : records) {
        const int index = static_cast<int>(level.records.size());
        level.records.push_back(LevelRecord{p.x, p.y, p.painted ? "" : p.picture, p.kind, index, index + 1});
        if (p.painted) level.pictures.emplace(index, p.painted->image);
    }
    return level;
}

bool EditedLevel::save(std::string& error) {
    // Pieces rubbed out to nothing are left out of the level.
    std::vector<Placed> kept;
    for (const Placed& r : records)
        if (!r.painted || anyPixelShows(r.painted->image)) kept.push_back(r);
    // A new level's folder (one of the player's own levels) is made by its first save.
    std::error_code made;
    fs::create_directories(folder(), made);
    // Each piece written, with the name it had before, to take back if the save fails.
    std::vector<std::pair<std::shared_ptr<PaintedPiece>, std::string>> written;
    const auto takeBack = [&](const std::string& what) {
        error = "could not write " + what;
        std::error_code ec;
        for (const auto& [piece, before] : written) {
            fs::remove(folder() + "/" + piece->file, ec);
            piece->file = before;
        }
        return false;
    };
    for (Placed& r : kept) {
        if (!r.painted || (!r.painted->changed && !r.painted->file.empty())) continue;
        const std::string name = freshPieceName(r.kind);
        if (!writePicture(r.painted->image, folder() + "/" + name)) {
            std::error_code ec;
            fs::remove(folder() + "/" + name, ec);
            return takeBack(folder() + "/" + name);
        }
        written.emplace_back(r.painted, r.painted->file);
        r.painted->file = name;
    }
    if (!writeFileAtomically(path_, textOf(kept))) return takeBack(path_);
    for (const auto& [piece, before] : written) piece->changed = false;
    // Pieces of this level's that it no longer names: older saves' pictures.
    std::set<std::string> named;
    for (const Placed& r : kept)
        if (r.painted) named.insert(r.painted->file);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder(), ec)) {
        const std::string name = entry.path().filename().string();
        if (namesPiece(name) && !named.count(name)) fs::remove(entry.path(), ec);
    }
    return true;
}

bool EditedLevel::saveCopy(const std::string& path, std::string& error) const {
    EditedLevel copy(path);
    for (Placed r : records) {
        if (r.painted) r.painted = std::make_shared<PaintedPiece>(PaintedPiece{r.painted->image, "", true});
        copy.records.push_back(std::move(r));
    }
    return copy.save(error);
}

std::string EditedLevel::unsavedPath() const { return (fs::path(folder()) / (stem() + "-unsaved.txt")).string(); }
