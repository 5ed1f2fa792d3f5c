#pragma once

#include <string>

#include "platform/Image.h"

// One shared picture per path, read from disk once per run and kept until exit. Paths are
// compared byte for byte; a file that cannot be read is cached as an empty picture.
class ImageCache {
public:
    static Image* get(std::string path);
    // How many times a file was read (for tests).
    static int loadCount();
};
