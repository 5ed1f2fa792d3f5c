#include "config/Config.h"

#include <cstdlib>

#include "platform/Paths.h"

Config::Config(const std::string& path) : reader_(nativePath(path)) {}

double Config::real(const std::string& section, const std::string& key, const std::string& fallback) const {
    return std::atof(reader_.Get(section, key, fallback).c_str());
}

long Config::integer(const std::string& section, const std::string& key, long fallback) const {
    return reader_.GetInteger(section, key, fallback);
}

std::string Config::text(const std::string& section, const std::string& key, const std::string& fallback) const {
    return reader_.Get(section, key, fallback);
}
