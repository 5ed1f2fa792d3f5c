#include "platform/Paths.h"

#include <fstream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

std::string nativePath(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    std::string out = path;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
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
