#include "level/LevelFile.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/Paths.h"

namespace {

// Maps stream positions, which only grow, to 1-based line numbers.
class LineCounter {
public:
    explicit LineCounter(const std::string& text) : text_(text) {}
    int lineAt(size_t pos) {
        for (; scanned_ < pos && scanned_ < text_.size(); ++scanned_)
            if (text_[scanned_] == '\n') ++line_;
        return line_;
    }

private:
    const std::string& text_;
    size_t scanned_ = 0;
    int line_ = 1;
};

std::string wordAt(const std::string& text, size_t pos) {
    if (pos >= text.size()) return "end of file";
    constexpr size_t kLongest = 40;
    std::string word;
    for (size_t i = pos; i < text.size() && i - pos < kLongest; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::isspace(c)) break;
        if (std::isprint(c)) {
            word += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            word += hex;
        }
    }
    return word;
}

const char* expectedText(LevelField field) {
    switch (field) {
        case LevelField::X: return "an integer x";
        case LevelField::Y: return "an integer y";
        case LevelField::Picture: return "a picture name";
        case LevelField::Kind: return "an integer kind";
        case LevelField::None: break;
    }
    return "";
}

}  // namespace

LevelFile LevelFile::read(const std::string& path) {
    LevelFile file;
    const std::string native = nativePath(path);
    std::error_code ec;
    std::ifstream in;
    if (std::filesystem::is_regular_file(native, ec)) in.open(native, std::ios::binary);
    if (!in.is_open()) {
        file.stop.opened = false;
        return file;
    }
    const std::uintmax_t size = std::filesystem::file_size(native, ec);
    if (ec || size > kMaxBytes) {
        file.stop.field = LevelField::X;
        file.stop.line = 1;
        file.stop.expected = "a level file of at most " + std::to_string(kMaxBytes >> 20) + " MiB";
        file.stop.found = ec ? "a file of unknown size" : std::to_string(size) + " bytes";
        return file;
    }
    return parse(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

std::string LevelFile::picturePath(const std::string& levelPath, const std::string& picture) {
    const size_t cut = levelPath.find_last_of("/\\");
    // A level named without a folder lies where a bare picture name is opened anyway.
    if (cut == std::string::npos || picture.empty() || picture.front() == '/') return picture;
    const std::string beside = levelPath.substr(0, cut + 1) + picture;
    std::error_code ec;
    return std::filesystem::is_regular_file(nativePath(beside), ec) ? beside : picture;
}

LevelFile LevelFile::parse(const std::string& text) {
    LevelFile file;
    std::istringstream in(text);
    LineCounter lines(text);
    // Skipping the white space first (as each extraction would) tells where the field starts.
    const auto fieldStart = [&in, &text] {
        in >> std::ws;
        return in.eof() ? text.size() : static_cast<size_t>(in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
    };
    const auto stopAt = [&](LevelField field, size_t pos, std::string expected) {
        if (field == LevelField::X && pos >= text.size()) return;  // the file ended between records
        file.stop.field = field;
        file.stop.line = lines.lineAt(pos);
        file.stop.expected = std::move(expected);
        file.stop.found = wordAt(text, pos);
    };
    const auto stopAtField = [&](LevelField field, size_t pos) { stopAt(field, pos, expectedText(field)); };

    while (!in.eof()) {
        LevelRecord record;
        record.index = static_cast<int>(file.records.size());
        size_t pos = fieldStart();
        record.line = lines.lineAt(pos);
        if (file.records.size() == kMaxRecords) {
            stopAt(LevelField::X, pos,
                   "the end of the level: a level holds at most " + std::to_string(kMaxRecords) + " records");
            break;
        }
        if (!(in >> record.x)) {
            stopAtField(LevelField::X, pos);
            break;
        }
        pos = fieldStart();
        if (!(in >> record.y)) {
            stopAtField(LevelField::Y, pos);
            break;
        }
        pos = fieldStart();
        if (!(in >> record.picture)) {
            stopAtField(LevelField::Picture, pos);
            break;
        }
        pos = fieldStart();
        if (!(in >> record.kind)) {
            record.kind = kUnreadableKind;
            record.kindRead = false;
            file.records.push_back(std::move(record));
            stopAtField(LevelField::Kind, pos);
            break;
        }
        file.records.push_back(std::move(record));
    }
    return file;
}
