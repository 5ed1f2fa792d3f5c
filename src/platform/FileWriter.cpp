#include "platform/FileWriter.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/Paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// Temporaries must differ across the whole process, whichever thread writes.
std::atomic<unsigned> temporaryCount{0};

#ifdef _WIN32
unsigned long processId() { return GetCurrentProcessId(); }
#else
unsigned long processId() { return static_cast<unsigned long>(::getpid()); }
#endif

// Names no other write uses, this copy of the game's or another's: `<target>.<process>.<count>.tmp`.
std::string temporaryName(const std::string& target) {
    return target + "." + std::to_string(processId()) + "." + std::to_string(temporaryCount++) + ".tmp";
}

bool allDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}
}  // namespace

bool isWriteTemporary(const std::string& name) {
    // Earlier versions used one fixed name per file.
    if (name == "save.save.tmp" || name == "config.ini.tmp") return true;
    const std::string suffix = ".tmp";
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string stem = name.substr(0, name.size() - suffix.size());
    const size_t countDot = stem.rfind('.');
    if (countDot == std::string::npos || countDot == 0) return false;
    const size_t processDot = stem.rfind('.', countDot - 1);
    return processDot != std::string::npos && processDot > 0 &&
           allDigits(stem.substr(countDot + 1)) && allDigits(stem.substr(processDot + 1, countDot - processDot - 1));
}

#ifdef _WIN32
bool writeFileAtomically(const std::string& path, const std::string& content) {
    const std::string target = nativePath(path);
    const std::string temp = temporaryName(target);
    // CREATE_NEW: whatever already lies at the name is never written through.
    const HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
              written == content.size() && FlushFileBuffers(file);
    if (!CloseHandle(file)) ok = false;
    if (ok && !MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) ok = false;
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
}
#else
namespace {
bool writeAllAt(int fd, const std::string& content, off_t offset) {
    const char* data = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, data, left, offset);
        if (n <= 0) return false;
        data += n;
        offset += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// The plain write, for a folder that takes no new files while the file itself is writable.
// The file is never emptied: the new content goes over the old, blanks (which every reader
// ignores at the end) fill out the old length, and the file is cut to size only once that is
// on disk. A kill lands between the pages of one write, never inside one, so a file of one
// page (as the save and the settings are) is the old or the new at every instant.
bool rewriteInPlace(const std::string& target, const std::string& content) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat old {};
    bool ok = ::fstat(fd, &old) == 0;
    const size_t oldSize = ok ? static_cast<size_t>(old.st_size) : 0;
    std::string padded = content;
    if (padded.size() < oldSize) padded.append(oldSize - padded.size(), ' ');
    ok = ok && writeAllAt(fd, padded, 0) && ::fsync(fd) == 0;
    if (ok && padded.size() != content.size())
        ok = ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    return ok;
}

// A link is followed, so the file it names is replaced and the link itself stays.
std::string followLinks(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string resolved(real);
    std::free(real);
    return resolved;
}

// Whether a plain write could have opened the file (without blocking on a pipe).
bool openableForWriting(const std::string& target) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// Made here and now, so nothing planted at the name (a link least of all) is written through.
int createTemporary(const std::string& target, std::string& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = temporaryName(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}
}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& content) {
    const std::string target = followLinks(nativePath(path));
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !openableForWriting(target)) return false;

    std::string temp;
    const int fd = createTemporary(target, temp);
    if (fd < 0) return exists && (errno == EACCES || errno == EPERM) && rewriteInPlace(target, content);
    if (exists) {
        // The new file takes the old one's permissions and, where the system allows, its owner.
        ::fchmod(fd, existing.st_mode & 07777);
        [[maybe_unused]] const int owned = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    // The data must be on disk before the rename makes it the file's content.
    bool ok = writeAllAt(fd, content, 0) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}
#endif

namespace {
const std::string kBom = "\xEF\xBB\xBF";

std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool equalsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Splits keeping each line's own ending, so untouched lines are written back exactly.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        else ++end;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}
}  // namespace

bool writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path) {
    std::string text;
    {
        std::ifstream in(nativePath(path), std::ios::binary);
        if (in) {
            std::ostringstream ss;
            ss << in.rdbuf();
            text = ss.str();
        }
    }
    const std::string newline = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> lines = splitLines(text);
    const std::string entry = key + "=" + value + newline;

    bool inSection = false;
    long sectionEnd = -1;  // index after the last non-blank line of the wanted section
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string t = trim(lines[i].substr(0, lines[i].find('\n')));
        // A byte-order mark is no part of the first line's text, as the reader sees it.
        if (i == 0 && t.compare(0, kBom.size(), kBom) == 0) t = trim(t.substr(kBom.size()));
        if (!t.empty() && t.front() == '[') {
            size_t close = t.find(']');
            std::string name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = equalsNoCase(name, section);
            if (inSection) sectionEnd = static_cast<long>(i) + 1;
            continue;
        }
        if (!inSection) continue;
        if (!t.empty()) sectionEnd = static_cast<long>(i) + 1;
        if (t.empty() || t.front() == ';' || t.front() == '#') continue;
        size_t eq = t.find_first_of("=:");
        if (eq == std::string::npos) continue;
        if (equalsNoCase(trim(t.substr(0, eq)), key)) {
            // The replaced line keeps its own ending, so a rewrite never changes other bytes.
            const std::string& old = lines[i];
            const size_t ending = old.size() >= 2 && old.compare(old.size() - 2, 2, "\r\n") == 0 ? 2
                                  : !old.empty() && old.back() == '\n'                              ? 1
                                                                                                   : 0;
            lines[i] = key + "=" + value + old.substr(old.size() - ending);
            std::string out;
            for (auto& l : lines) out += l;
            return writeFileAtomically(path, out);
        }
    }
    if (sectionEnd >= 0) {
        auto& before = lines[static_cast<size_t>(sectionEnd) - 1];
        if (!before.empty() && before.back() != '\n') before += newline;
        lines.insert(lines.begin() + sectionEnd, entry);
    } else {
        if (!lines.empty() && !lines.back().empty() && lines.back().back() != '\n') lines.back() += newline;
        lines.push_back("[" + section + "]" + newline);
        lines.push_back(entry);
    }
    std::string out;
    for (auto& l : lines) out += l;
    return writeFileAtomically(path, out);
}
