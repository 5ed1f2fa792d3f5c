#pragma once

#include <INIReader.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Paths.h"

// "config.ini" as each consumer reads it at construction. Names match without regard to
// case. A key that the file lacks, or whose value cannot be read as the number asked for,
// takes the value the game ships with, so a damaged or missing file never leaves the player
// without gravity or size; the default given to each call stands in only for keys the game
// does not ship.
class Config {
public:
    explicit Config(const std::string& path = settingsToRead());

    // The leading number of the text (atof); a non-finite one is replaced.
    double real(const std::string& section, const std::string& key, const std::string& fallback) const;
    // strtol in base 0 (decimal, 0x hexadecimal, leading-zero octal); a number written with a
    // fraction or an exponent (1e9) is taken whole, truncated and held within a long.
    long integer(const std::string& section, const std::string& key, long fallback) const;
    std::string text(const std::string& section, const std::string& key, const std::string& fallback) const;
    // A [Sound] volume, held within 0..1 (a knob outside its bar cannot be grabbed); `tell`
    // says on standard error when the file's value had to be moved.
    double volume(const std::string& key, bool tell = true) const;

    // The keys of `section` whose lines are longer than the reader takes whole: it reads a
    // cut value and takes the rest of the line for another.
    std::vector<std::string> cutKeys(const std::string& section) const;

    // Why a settings file that exists could not be read whole (not a file, empty, a line
    // the reader cannot parse); nothing when it reads or does not exist.
    static std::optional<std::string> damage(const std::string& path);

private:
    std::string path_;
    INIReader reader_;
};
