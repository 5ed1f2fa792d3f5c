#pragma once

#include <string>
#include <vector>

#include "platform/Image.h"

// One shared picture per path, read from disk once while it is wanted. Paths are compared byte
// for byte; a file that cannot be read is cached as an empty picture. Pictures handed out by
// pointer (screens, hints) stay until exit; a level's pictures go once no object shows them,
// and their textures with them.
class ImageCache {
public:
    // Kept until exit.
    static Image* get(std::string path);
    // A picture only ever drawn: decoded when the window first makes its textures.
    static Image* drawing(std::string path);
    // For a level, whose objects hold copies.
    static const Image& forLevel(std::string path);
    // Lets go of the level pictures no object shows any more, but for those named in `wanted`.
    static void forgetUnshown(const std::vector<std::string>& wanted = {});
    // How many times a file was read (for tests).
    static int loadCount();
};
