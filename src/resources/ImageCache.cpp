#include "resources/ImageCache.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {
struct Entry {
    std::unique_ptr<Image> image;
    // Handed out by pointer, so kept until exit.
    bool pinned = false;
};

// One cache a process: a picture is decoded once whichever game shows it.
// Never destroyed: pictures outlive every user, including static ones torn down at exit.
std::map<std::string, Entry>& table() {
    static auto* entries = new std::map<std::string, Entry>();
    return *entries;
}
// How many pictures were read, for the memory figures.
int gLoads = 0;

Entry& entry(std::string path, bool drawnOnly) {
    auto& entries = table();
    auto it = entries.find(path);
    if (it == entries.end()) {
        auto image = std::make_unique<Image>();
        if (drawnOnly) image->loadForDrawing(path);
        else image->loadFromFile(path);
        ++gLoads;
        image->setSmooth(false);
        it = entries.emplace(std::move(path), Entry{std::move(image)}).first;
    }
    return it->second;
}
}  // namespace

Image* ImageCache::get(std::string path) {
    Entry& e = entry(std::move(path), false);
    e.image->holdPixels();
    e.pinned = true;
    return e.image.get();
}

Image* ImageCache::drawing(std::string path) {
    Entry& e = entry(std::move(path), true);
    e.image->onlyDrawn();
    e.pinned = true;
    return e.image.get();
}

const Image& ImageCache::forLevel(std::string path) {
    Entry& e = entry(std::move(path), false);
    e.image->holdPixels();
    return *e.image;
}

void ImageCache::forgetUnshown(const std::vector<std::string>& wanted) {
    std::erase_if(table(), [&wanted](const auto& item) {
        const Entry& e = item.second;
        return !e.pinned && !e.image->sharedWithOthers() &&
               std::find(wanted.begin(), wanted.end(), item.first) == wanted.end();
    });
}

int ImageCache::loadCount() { return gLoads; }
