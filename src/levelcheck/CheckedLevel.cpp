#include "levelcheck/CheckedLevel.h"

#include <filesystem>

#include "platform/Paths.h"
#include "world/Level.h"

CheckedLevel::CheckedLevel(std::string path) : path_(std::move(path)), file_(LevelFile::read(path_)) {
    objects_.load(path_);
}

CheckedLevel::CheckedLevel(std::string path, LevelObjectSet::InMemory level) : path_(std::move(path)) {
    for (const auto& [index, picture] : level.pictures) painted_.insert(index);
    file_.records = level.records;
    objects_.placeFromMemory(std::move(level));
    objects_.load(path_);
}

bool CheckedLevel::isFlightLevel() const {
    return Level::of(std::filesystem::path(nativePath(path_)).filename().string()).flight;
}

int CheckedLevel::lineOf(const LevelObject& object) const {
    const auto index = static_cast<size_t>(object.recordIndex);
    return index < file_.records.size() ? file_.records[index].line : 0;
}
