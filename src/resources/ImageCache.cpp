#include "resources/ImageCache.h"

#include <map>
#include <memory>

namespace {
// One cache a process: a picture is decoded once whichever game shows it.
// Never destroyed: pictures outlive every user, including static ones torn down at exit.
std::map<std::string, std::unique_ptr<Image>>& table() {
    static auto* images = new std::map<std::string, std::unique_ptr<Image>>();
    return *images;
}
// How many pictures were decoded, for the memory figures.
int gLoads = 0;
}  // namespace

Image* ImageCache::get(std::string path) {
    auto& images = table();
    auto it = images.find(path);
    if (it == images.end()) {
        auto image = std::make_unique<Image>();
        image->loadFromFile(path);
        ++gLoads;
        image->setSmooth(false);
        it = images.emplace(std::move(path), std::move(image)).first;
    }
    return it->second.get();
}

int ImageCache::loadCount() { return gLoads; }
