#pragma once

#include <atomic>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "platform/PackedPicture.h"

// Decodes pictures, in the order given, on all cores but one while the
// rest of the start-up goes on. While it lives, the first `Image::loadFromFile` of one of its
// paths (as written) takes the decoded picture, waiting for it if need be, instead of reading
// the file again; a picture that failed is read again by that load, so whatever the failure
// reports comes in its usual place. PNG pictures are packed instead, for the window's textures
// of pictures only drawn, and are never whole in memory.
class PictureDecodes {
public:
    explicit PictureDecodes(const std::vector<std::string>& paths);
    // Waits for the decodes still running.
    ~PictureDecodes();
    PictureDecodes(const PictureDecodes&) = delete;
    PictureDecodes& operator=(const PictureDecodes&) = delete;

    // The decoded picture of `path` if a living set has it and nobody took it yet.
    static std::shared_ptr<Image::Pixels> take(const std::string& path);
    static std::shared_ptr<const PackedPicture> takePacked(const std::string& path);
    // Lets go of these pictures if nobody took them (waiting for a decode still running):
    // they are read where they are loaded, as if never decoded here.
    void forget(const std::vector<std::string>& paths);

private:
    struct Decoded {
        std::shared_ptr<Image::Pixels> pixels;
        std::shared_ptr<const PackedPicture> packed;
    };
    struct Decode {
        std::string path;
        bool packs = false;
        std::promise<Decoded> promise;
        std::future<Decoded> result;
    };
    static Decoded takeFrom(const std::string& path, bool packed);
    void decodeInTurn();

    std::vector<Decode> decodes_;
    std::atomic<size_t> next_{0};
    std::vector<std::future<void>> workers_;
};
