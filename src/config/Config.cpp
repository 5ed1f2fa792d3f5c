#include "config/Config.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <ini.h>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <limits>

#include "config/ShippedSettings.h"
#include "platform/Paths.h"
#include "platform/WriteQueue.h"

namespace {
// A setting asked to be written is read back as written.
std::string afterWrites(const std::string& path) {
    WriteQueue::waitForWrites();
    return nativePath(path);
}

const INIReader& shipped() {
    static const INIReader reader(kShippedSettings.data(), kShippedSettings.size());
    return reader;
}

// The reader joins the values of a key given twice with a line break; the later one wins.
std::string lastOf(const std::string& joined) { return joined.substr(joined.rfind('\n') + 1); }

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> leadingReal(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return std::nullopt;
    return value;
}

std::optional<long> leadingInteger(const std::string& text) {
    char* end = nullptr;
    const long whole = std::strtol(text.c_str(), &end, 0);
    if (end == text.c_str()) return std::nullopt;
    char* realEnd = nullptr;
    const double real = std::strtod(text.c_str(), &realEnd);
    if (realEnd <= end || std::isnan(real)) return whole;
    constexpr double kLow = static_cast<double>(std::numeric_limits<long>::min());
    constexpr double kHigh = static_cast<double>(std::numeric_limits<long>::max());
    return real <= kLow ? std::numeric_limits<long>::min()
           : real >= kHigh ? std::numeric_limits<long>::max()
                           : static_cast<long>(real);
}
}  // namespace

Config::Config(const std::string& path) : path_(afterWrites(path)), reader_(path_) {}

std::string Config::text(const std::string& section, const std::string& key, const std::string& fallback) const {
    if (reader_.HasValue(section, key)) return lastOf(reader_.Get(section, key, fallback));
    return lastOf(shipped().Get(section, key, fallback));
}

double Config::real(const std::string& section, const std::string& key, const std::string& fallback) const {
    const std::string given = text(section, key, fallback);
    const std::string ours = lastOf(shipped().Get(section, key, fallback));
    const double standIn = leadingReal(ours).value_or(0);
    const std::optional<double> value = leadingReal(given);
    if (!value) return standIn;
    if (!std::isfinite(*value)) {
        std::cerr << "torve: config.ini: [" << section << "] " << key << "=" << given << " is no usable number; using "
                  << standIn << "\n";
        return standIn;
    }
    return *value;
}

long Config::integer(const std::string& section, const std::string& key, long fallback) const {
    if (auto value = leadingInteger(text(section, key, ""))) return *value;
    return leadingInteger(lastOf(shipped().Get(section, key, ""))).value_or(fallback);
}

double Config::volume(const std::string& key, bool tell) const {
    const double read = real("Sound", key, "1.0");
    const double held = std::clamp(read, 0.0, 1.0);
    if (tell && held != read)
        std::cerr << "torve: config.ini: [Sound] " << key << "=" << read << " lies outside 0 to 1; using " << held
                  << "\n";
    return held;
}

std::vector<std::string> Config::cutKeys(const std::string& section) const {
    // The reader's buffer holds the line's end and a terminating zero besides the text.
    const size_t longest = static_cast<size_t>(INI_MAX_LINE) - 3;
    std::vector<std::string> cut;
    std::ifstream in(path_, std::ios::binary);
    std::string current;
    for (std::string line; std::getline(in, line);) {
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        if (line[first] == '[') current = line.substr(first + 1, line.find(']') - first - 1);
        else if (line.size() > longest && equalsIgnoringCase(current, section) && line.find('=') != std::string::npos)
            cut.push_back(trimmed(line.substr(0, line.find('='))));
    }
    return cut;
}

std::optional<std::string> Config::damage(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string native = nativePath(path);
    std::error_code ec;
    if (!fs::exists(native, ec)) return std::nullopt;
    if (!fs::is_regular_file(native, ec)) return "it is not a file";
    const INIReader reader(native);
    if (reader.ParseError() < 0) return "it cannot be opened";
    if (reader.ParseError() > 0) return "line " + std::to_string(reader.ParseError()) + " cannot be read";
    if (fs::file_size(native, ec) == 0) return "it is empty";
    return std::nullopt;
}
