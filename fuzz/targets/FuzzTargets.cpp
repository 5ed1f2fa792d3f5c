#include "FuzzTargets.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "InputScript.h"
#include "config/Config.h"
#include "platform/Image.h"
#include "platform/Paths.h"

namespace {
// One scratch folder per process for readers that only take files.
std::string scratch(const std::string& name) {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("torve-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return (dir / name).string();
}

std::string writeScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = scratch(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(line);
    }
    return out;
}

bool mentionsKey(std::string line) {
    for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return line.find("music_volume") != std::string::npos;
}
}  // namespace

int fuzzConfig(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeScratch("config.ini", data, size);
    {
        Config config(path);
        config.real("Player", "Gravity", "UNKNOWN");
        config.integer("Resolution", "x", 1024);
    }
    const std::string before = readAll(path);
    if (!writeProfileString("Sound", "Music_Volume", "0.5", path)) std::abort();
    const std::string once = readAll(path);
    // Every line the writer does not own survives, in order.
    const auto kept = lines(once);
    size_t next = 0;
    for (const auto& line : lines(before)) {
        if (mentionsKey(line)) continue;
        while (next < kept.size() && kept[next] != line) ++next;
        if (next == kept.size()) std::abort();
        ++next;
    }
    // Writing the same value again changes nothing.
    if (!writeProfileString("Sound", "Music_Volume", "0.5", path) || readAll(path) != once) std::abort();
    return 0;
}

int fuzzInputScript(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string error;
    if (auto script = parseInputScript(in, error)) {
        const long total = script->totalFrames();
        script->at(0);
        script->at(total);
    } else if (error.empty()) {
        std::abort();  // a refusal always says why
    }
    return 0;
}

int fuzzImage(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeScratch(size > 1 && data[1] == 'P' ? "picture.png" : "picture.jpg", data, size);
    Image image;
    const bool ok = image.loadFromFile(path);
    if (!ok && (image.width() != 0 || image.height() != 0)) std::abort();
    if (ok && image.width() > 0 && image.height() > 0) image.alpha(image.width() - 1, image.height() - 1);
    return 0;
}
