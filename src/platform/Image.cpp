#include "platform/Image.h"

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <atomic>
#include <filesystem>

#include "platform/Paths.h"
#include "platform/PictureDecodes.h"
#include "platform/PictureHeader.h"

namespace {
// Pictures may be decoded on other threads.
std::atomic<std::uint64_t> gNextId{1};
Image::ReleaseHook gReleaseHook = nullptr;

bool withinPixelLimit(std::uint64_t width, std::uint64_t height) { return width * height <= Image::kMaxPixels; }

bool readablePicture(const std::string& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    const auto declared = declaredPictureSize(file);
    return declared && withinPixelLimit(declared->width, declared->height);
}
}  // namespace

// The decoder's own picture is kept, not copied: a character sheet is 28 MB.
class Image::Pixels {
public:
    Pixels() = default;
    ~Pixels() {
        if (shown && gReleaseHook) gReleaseHook(id);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    // Never empty once shown.
    sf::Image picture;
    const std::uint64_t id = gNextId++;
    std::uint64_t revision = 1;
    int dirtyLeft = 0, dirtyTop = 0, dirtyRight = 0, dirtyBottom = 0;
    // Only pixels an image showed can have textures; the others may die on any thread.
    bool shown = false;
};

void Image::setReleaseHook(ReleaseHook hook) { gReleaseHook = hook; }

std::shared_ptr<Image::Pixels> Image::decode(const std::string& path) {
    const std::string file = nativePath(path);
    if (path.empty() || !readablePicture(file)) return nullptr;
    auto pixels = std::make_shared<Pixels>();
    if (!pixels->picture.loadFromFile(file)) return nullptr;
    const sf::Vector2u size = pixels->picture.getSize();
    if (size.x == 0 || size.y == 0 || !withinPixelLimit(size.x, size.y)) return nullptr;
    return pixels;
}

void Image::show(std::shared_ptr<Pixels> pixels) {
    shared_ = std::move(pixels);
    if (!shared_) {
        width_ = height_ = 0;
        data_ = nullptr;
        return;
    }
    const sf::Vector2u size = shared_->picture.getSize();
    width_ = size.x;
    height_ = size.y;
    // The picture is not const, only its accessor.
    data_ = const_cast<std::uint8_t*>(shared_->picture.getPixelsPtr());
    if (!shared_->shown) {
        shared_->shown = true;
        shared_->dirtyRight = static_cast<int>(width_);
        shared_->dirtyBottom = static_cast<int>(height_);
    }
}

bool Image::loadFromFile(const std::string& path) {
    auto decoded = PictureDecodes::take(path);
    show(decoded ? std::move(decoded) : decode(path));
    return shared_ != nullptr;
}

bool Image::saveToFile(const std::string& path) const {
    return shared_ && shared_->picture.saveToFile(nativePath(path));
}

void Image::create(unsigned width, unsigned height, Color fill) {
    if (width == 0 || height == 0) {
        show(nullptr);
        return;
    }
    auto pixels = std::make_shared<Pixels>();
    pixels->picture.create(width, height, sf::Color(fill.r, fill.g, fill.b, fill.a));
    show(std::move(pixels));
}

void Image::ownPixels() {
    auto own = std::make_shared<Pixels>();
    own->picture = shared_->picture;
    show(std::move(own));
}

void Image::setPixel(unsigned x, unsigned y, Color c) {
    if (shared_.use_count() > 1) ownPixels();
    std::uint8_t* p = &data_[(static_cast<size_t>(y) * width_ + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
    Pixels& s = *shared_;
    ++s.revision;
    const int ix = static_cast<int>(x), iy = static_cast<int>(y);
    if (s.dirtyRight <= s.dirtyLeft || s.dirtyBottom <= s.dirtyTop) {
        s.dirtyLeft = ix;
        s.dirtyTop = iy;
        s.dirtyRight = ix + 1;
        s.dirtyBottom = iy + 1;
    } else {
        s.dirtyLeft = std::min(s.dirtyLeft, ix);
        s.dirtyTop = std::min(s.dirtyTop, iy);
        s.dirtyRight = std::max(s.dirtyRight, ix + 1);
        s.dirtyBottom = std::max(s.dirtyBottom, iy + 1);
    }
}

std::uint64_t Image::id() const { return shared_ ? shared_->id : 0; }

std::uint64_t Image::revision() const { return shared_ ? shared_->revision : 0; }

IntRect Image::takeDirty() const {
    if (!shared_) return IntRect{};
    Pixels& s = *shared_;
    IntRect r{s.dirtyLeft, s.dirtyTop, s.dirtyRight - s.dirtyLeft, s.dirtyBottom - s.dirtyTop};
    s.dirtyLeft = s.dirtyTop = s.dirtyRight = s.dirtyBottom = 0;
    return r.empty() ? IntRect{} : r;
}
