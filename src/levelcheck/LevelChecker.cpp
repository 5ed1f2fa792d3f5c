#include "levelcheck/LevelChecker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "level/Kinds.h"
#include "platform/Paths.h"
#include "platform/PictureHeader.h"
#include "resources/ImageCache.h"
#include "terrain/Collision.h"
#include "terrain/ObjectBox.h"

namespace {

constexpr unsigned kLargestSide = 8192;

class Findings {
public:
    explicit Findings(const std::string& file) : file_(file) {}
    void error(int line, std::string message) { add(line, Diagnostic::Severity::Error, std::move(message)); }
    void warning(int line, std::string message) { add(line, Diagnostic::Severity::Warning, std::move(message)); }
    std::vector<Diagnostic> sorted() {
        std::stable_sort(list_.begin(), list_.end(), [](const auto& a, const auto& b) { return a.line < b.line; });
        return std::move(list_);
    }

private:
    void add(int line, Diagnostic::Severity severity, std::string message) {
        list_.push_back(Diagnostic{file_, line, severity, std::move(message)});
    }
    const std::string& file_;
    std::vector<Diagnostic> list_;
};

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// "goal (kind 19)"
std::string named(int kind) { return std::string(kindRoles(kind).name) + " (kind " + std::to_string(kind) + ")"; }

void checkStop(const LevelFileStop& stop, Findings& findings) {
    if (stop.clean()) return;
    const bool atEnd = stop.found == "end of file";
    std::string message = "expected " + stop.expected + ", found " + (atEnd ? stop.found : quoted(stop.found)) + "; ";
    if (stop.field == LevelField::Kind) {
        message += "the game loads this record as " + named(LevelFile::kUnreadableKind);
        if (!atEnd) message += " and stops reading the level here";
    } else {
        message += atEnd ? "the game drops this unfinished record" : "the game stops reading the level here";
    }
    findings.error(stop.line, std::move(message));
}

// Empty when the game can show the picture `name`, opened at `path`.
std::string pictureProblem(const std::string& name, const std::string& path) {
    const Image& picture = *ImageCache::get(path);
    if (picture.width() == 0 || picture.height() == 0) {
        const std::string native = nativePath(path);
        std::error_code ec;
        const std::string consequence = "; the object is invisible and nothing collides with it";
        if (!std::filesystem::is_regular_file(native, ec))
            return "cannot open picture " + quoted(name) + ": no such file" + consequence;
        if (!std::ifstream(native, std::ios::binary))
            return "cannot open picture " + quoted(name) + ": it cannot be read" + consequence;
        const auto declared = declaredPictureSize(native);
        if (declared && static_cast<std::uint64_t>(declared->width) * declared->height > Image::kMaxPixels)
            return "picture " + quoted(name) + " is " + std::to_string(declared->width) + "x" +
                   std::to_string(declared->height) + " pixels; the game refuses pictures of more than " +
                   std::to_string(Image::kMaxPixels) + " pixels" + consequence;
        return "cannot decode picture " + quoted(name) + ": not a PNG, JPEG, BMP or TGA picture" + consequence;
    }
    if (picture.width() > kLargestSide || picture.height() > kLargestSide)
        return "picture " + quoted(name) + " is " + std::to_string(picture.width()) + "x" +
               std::to_string(picture.height()) + " pixels; the game cannot show a picture larger than " +
               std::to_string(kLargestSide) + " pixels on a side";
    return {};
}

void checkRecords(const CheckedLevel& level, Findings& findings) {
    std::map<std::string, std::string> problems;
    for (const LevelRecord& record : level.file().records) {
        if (record.kindRead && !kindRoles(record.kind).known)
            findings.warning(record.line, "kind " + std::to_string(record.kind) +
                                              " has no role; the game treats it as solid terrain that is never erased");
        if (level.painted(record)) continue;
        auto it = problems.find(record.picture);
        if (it == problems.end())
            it = problems
                     .emplace(record.picture,
                              pictureProblem(record.picture, LevelFile::picturePath(level.path(), record.picture)))
                     .first;
        if (!it->second.empty()) findings.error(record.line, it->second);
    }
}

bool hasKind(const LevelFile& file, int kind) {
    return std::any_of(file.records.begin(), file.records.end(),
                       [kind](const LevelRecord& r) { return r.kindRead && r.kind == kind; });
}

// The records whose lasting terrain covers every pixel of the object's box with solid pixels;
// empty when some pixel of the box is free.
std::set<int> buryingRecords(const LevelObject& object, const ObjectList& list) {
    const int x = static_cast<int>(object.x), y = static_cast<int>(object.y);
    const WorldBox box = WorldBox::of({x, y, object.width, object.height});
    ObjectList lasting;
    for (const auto& o : list)
        if (kindRoles(o->kind).lasting && overlaps(*o, box)) lasting.push_back(std::make_unique<LevelObject>(*o));
    std::set<int> records;
    if (lasting.empty()) return records;
    for (int j = 0; j < object.width; ++j) {
        for (int k = 0; k < object.height; ++k) {
            const CollisionHit hit = queryBox(x + j, y + k, 1, 1, lasting, 0, 1);
            if (!hit.hit) return {};
            records.insert(lasting[static_cast<size_t>(hit.index)]->recordIndex);
        }
    }
    return records;
}

std::string linesText(const LevelFile& file, const std::set<int>& records) {
    std::string text = records.size() == 1 ? "line " : "lines ";
    bool first = true;
    for (const int index : records) {
        if (!first) text += ", ";
        text += std::to_string(file.records[static_cast<size_t>(index)].line);
        first = false;
    }
    return text;
}

void checkUnreachable(const CheckedLevel& level, Findings& findings) {
    const ObjectList& list = level.objects().mainList;
    for (const auto& o : list) {
        const KindRoles& roles = kindRoles(o->kind);
        if (roles.step != Step::Goal && roles.step != Step::Checkpoint) continue;
        if (o->width <= 0 || o->height <= 0) continue;  // its picture is already reported
        const std::set<int> records = buryingRecords(*o, list);
        if (records.empty()) continue;
        findings.error(level.lineOf(*o), std::string(roles.name) +
                                             " lies wholly inside solid terrain that never goes away (" +
                                             linesText(level.file(), records) + "); the player can never touch it");
    }
}

void checkDoors(const LevelFile& file, Findings& findings) {
    if (hasKind(file, Kind::Key)) return;
    for (const LevelRecord& record : file.records)
        if (record.kindRead && record.kind == Kind::ClosedDoor)
            findings.warning(record.line, named(Kind::ClosedDoor) + ", but the level has no " + named(Kind::Key) +
                                              " to open it");
}

void checkStart(const CheckedLevel& level, const PlayerStart& start, Findings& findings) {
    const ObjectList& list = level.objects().mainList;
    const CollisionHit hit = queryBox(start.x, start.y, start.width, start.height, list, 0, 1);
    if (!hit.hit) return;
    const LevelObject& terrain = *list[static_cast<size_t>(hit.index)];
    findings.error(level.lineOf(terrain),
                   "the player starts inside this solid terrain: its " + std::to_string(start.width) + "x" +
                       std::to_string(start.height) + " box at the start (" + std::to_string(start.x) + ", " +
                       std::to_string(start.y) + "; config.ini [Debug] PlayerX, PlayerY) covers its solid pixel at (" +
                       std::to_string(hit.hitX) + ", " + std::to_string(hit.hitY) + ")");
}

}  // namespace

std::vector<Diagnostic> checkLevel(const CheckedLevel& level, const PlayerStart& start) {
    Findings findings(level.path());
    const LevelFile& file = level.file();
    if (!file.stop.opened) {
        findings.error(0, "cannot open the level file");
        return findings.sorted();
    }
    checkStop(file.stop, findings);
    checkRecords(level, findings);
    if (!level.isFlightLevel() && !hasKind(file, Kind::Goal))
        findings.error(1, "the level has no " + named(Kind::Goal) + ", so it can never be finished");
    checkUnreachable(level, findings);
    checkDoors(file, findings);
    if (!level.isFlightLevel()) checkStart(level, start, findings);
    return findings.sorted();
}
