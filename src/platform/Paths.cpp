#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

#include "platform/FileWriter.h"

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
    const bool isInstall = !holdsGameData(program) && holdsGameData(installed);
    const std::filesystem::path data = isInstall ? installed : program;
    GameFolders found;
    found.data = data.string();
    // An install's data is shared by every user, even where this one (root) may write it.
    if (!isInstall && writable(data)) return found;

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
        found.levels = (progress / "levels").string();
        found.stats = (progress / "stats.txt").string();
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

bool fileReadable(const std::string& path) { return std::ifstream(nativePath(path)).is_open(); }

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
