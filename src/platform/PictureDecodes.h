#pragma once

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "platform/Image.h"

// Decodes pictures on threads of their own while the rest of the start-up goes on. While it
// lives, the first `Image::loadFromFile` of one of its paths (as written) takes the decoded
// picture, waiting for it if need be, instead of reading the file again; a picture that failed
// is read again by that load, so whatever the failure reports comes in its usual place.
class PictureDecodes {
public:
    explicit PictureDecodes(const std::vector<std::string>& paths);
    // Waits for the decodes nobody took.
    ~PictureDecodes();
    PictureDecodes(const PictureDecodes&) = delete;
    PictureDecodes& operator=(const PictureDecodes&) = delete;

    // The decoded picture of `path` if a living set has it and nobody took it yet.
    static std::shared_ptr<Image::Pixels> take(const std::string& path);

private:
    struct Decode {
        std::string path;
        std::future<std::shared_ptr<Image::Pixels>> result;
    };
    std::vector<Decode> decodes_;
};
