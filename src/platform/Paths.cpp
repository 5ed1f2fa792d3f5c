#include "platform/Paths.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
GameFolders& folders() {
    static GameFolders current;
    return current;
}

bool holdsGameData(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::exists(dir / "config.ini", ec) || std::filesystem::is_directory(dir / "Content", ec);
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
#ifndef _WIN32
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
#endif
    return "";
}

// A relative XDG variable is to be ignored, as the base-directory rules say.
std::filesystem::path userFolder(const char* variable, const char* fallbackBelowHome) {
    const char* set = std::getenv(variable);
    if (set && *set == '/') return std::filesystem::path(set) / "torve";
    const std::string home = homeFolder();
    if (home.empty()) return {};
    return std::filesystem::path(home) / fallbackBelowHome / "torve";
}

bool writable(const std::filesystem::path& dir) {
#ifdef _WIN32
    return true;
#else
    return ::access(dir.c_str(), W_OK) == 0;
#endif
}

void copyShippedSettings(const std::filesystem::path& shipped, const std::string& copy) {
    std::error_code ec;
    if (std::filesystem::exists(copy, ec)) return;
    std::ifstream in(shipped, std::ios::binary);
    if (!in) return;
    std::ostringstream text;
    text << in.rdbuf();
    writeFileAtomically(copy, text.str());
}
}  // namespace

GameFolders findGameFolders(const std::string& programFolder) {
    const std::filesystem::path program(programFolder);
    const std::filesystem::path installed = (program / ".." / "share" / "torve").lexically_normal();
    const std::filesystem::path data = !holdsGameData(program) && holdsGameData(installed) ? installed : program;
    GameFolders found;
    found.data = data.string();
    if (writable(data)) return found;

    const std::filesystem::path config = userFolder("XDG_CONFIG_HOME", ".config");
    const std::filesystem::path progress = userFolder("XDG_DATA_HOME", ".local/share");
    std::error_code ec;
    if (!config.empty()) {
        std::filesystem::create_directories(config, ec);
        found.settings = (config / "config.ini").string();
        copyShippedSettings(data / "config.ini", found.settings);
    }
    if (!progress.empty()) {
        std::filesystem::create_directories(progress, ec);
        found.progress = (progress / "save.save").string();
    }
    return found;
}

void useGameFolders(const GameFolders& chosen) { folders() = chosen; }

const GameFolders& gameFolders() { return folders(); }

std::string settingsToRead() {
    std::error_code ec;
    return std::filesystem::exists(nativePath(folders().settings), ec) ? folders().settings : "config.ini";
}

std::string nativePath(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    std::string out = path;
    for (char& c : out)
        if (c == '\\') c = '/';
    const std::string& data = folders().data;
    if (data.empty() || out.empty() || out.front() == '/') return out;
    return data + '/' + out;
#endif
}

std::string exeDirectoryPath(const std::string& suffix) {
    std::string full;
#ifdef _WIN32
    std::vector<char> buffer(32768);
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    full.assign(buffer.data(), n);
#else
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) break;
        if (static_cast<size_t>(n) < buffer.size()) {
            full.assign(buffer.data(), static_cast<size_t>(n));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
#endif
    size_t cut = full.find_last_of("\\/");
    if (cut != std::string::npos) full.resize(cut);
    return full + suffix;
}

bool writeFileAtomically(const std::string& path, const std::string& content) {
    const std::string target = nativePath(path);
    const std::string temp = target + ".tmp";
#ifdef _WIN32
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << content;
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    if (!MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
#else
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const char* data = content.data();
    size_t left = content.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n <= 0) {
            ok = false;
            break;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    // The data must be on disk before the rename makes it the file's content.
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(temp.c_str());
    return ok;
#endif
}

namespace {
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
