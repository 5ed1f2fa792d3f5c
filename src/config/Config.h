#pragma once

#include <INIReader.h>

#include <string>

#include "platform/Paths.h"

// "config.ini" as each consumer reads it at construction. Names match without regard to
// case; a missing file or key gives the default.
class Config {
public:
    explicit Config(const std::string& path = settingsToRead());

    // Get() then atof: text that is not a number reads as 0.
    double real(const std::string& section, const std::string& key, const std::string& fallback) const;
    // strtol in base 0 (decimal, 0x hexadecimal, leading-zero octal); no digits gives the default.
    long integer(const std::string& section, const std::string& key, long fallback) const;
    std::string text(const std::string& section, const std::string& key, const std::string& fallback) const;

private:
    INIReader reader_;
};
