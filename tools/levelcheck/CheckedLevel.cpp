#include "CheckedLevel.h"

#include <filesystem>

#include "platform/Paths.h"

CheckedLevel::CheckedLevel(std::string path) : path_(std::move(path)), file_(LevelFile::read(path_)) {
    objects_.load(path_);
}

bool CheckedLevel::isFlightLevel() const {
    return std::filesystem::path(nativePath(path_)).filename() == "Level5.txt";
}

int CheckedLevel::lineOf(const LevelObject& object) const {
    const auto index = static_cast<size_t>(object.recordIndex);
    return index < file_.records.size() ? file_.records[index].line : 0;
}
