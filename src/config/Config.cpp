#include "config/Config.h"

#include <cstdlib>

#include "platform/Paths.h"

Config::Config(const std::string& path) : reader_(nativePath(path)) {}

// The reader joins the values of a key given twice with a line break; the later one wins.
std::string Config::text(const std::string& section, const std::string& key, const std::string& fallback) const {
    const std::string joined = reader_.Get(section, key, fallback);
    return joined.substr(joined.rfind('\n') + 1);
}

double Config::real(const std::string& section, const std::string& key, const std::string& fallback) const {
    return std::atof(text(section, key, fallback).c_str());
}

long Config::integer(const std::string& section, const std::string& key, long fallback) const {
    const std::string value = text(section, key, "");
    char* end = nullptr;
    const long n = std::strtol(value.c_str(), &end, 0);
    return end > value.c_str() ? n : fallback;
}
