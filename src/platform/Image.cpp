#include "platform/Image.h"

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/Paths.h"
#include "platform/PictureHeader.h"

namespace {
std::uint64_t gNextId = 1;
Image::ReleaseHook gReleaseHook = nullptr;

bool withinPixelLimit(std::uint64_t width, std::uint64_t height) { return width * height <= Image::kMaxPixels; }

bool readablePicture(const std::string& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    const auto declared = declaredPictureSize(file);
    return declared && withinPixelLimit(declared->width, declared->height);
}
}  // namespace

Image::Image() : id_(gNextId++) {}

Image::Image(const Image& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_), smooth_(other.smooth_), id_(gNextId++) {
    markAllChanged();
}

Image& Image::operator=(const Image& other) {
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        pixels_ = other.pixels_;
        smooth_ = other.smooth_;
        if (gReleaseHook) gReleaseHook(id_);
        markAllChanged();
    }
    return *this;
}

Image::~Image() {
    if (gReleaseHook) gReleaseHook(id_);
}

void Image::setReleaseHook(ReleaseHook hook) { gReleaseHook = hook; }

bool Image::loadFromFile(const std::string& path) {
    sf::Image loaded;
    const std::string file = nativePath(path);
    bool ok = !path.empty() && readablePicture(file) && loaded.loadFromFile(file) &&
              withinPixelLimit(loaded.getSize().x, loaded.getSize().y);
    if (ok) {
        width_ = loaded.getSize().x;
        height_ = loaded.getSize().y;
        const std::uint8_t* src = loaded.getPixelsPtr();
        pixels_.assign(src, src + static_cast<size_t>(width_) * height_ * 4);
    } else {
        width_ = height_ = 0;
        pixels_.clear();
    }
    if (gReleaseHook) gReleaseHook(id_);
    markAllChanged();
    return ok;
}

bool Image::saveToFile(const std::string& path) const {
    if (width_ == 0 || height_ == 0) return false;
    sf::Image out;
    out.create(width_, height_, pixels_.data());
    return out.saveToFile(nativePath(path));
}

void Image::create(unsigned width, unsigned height, Color fill) {
    width_ = width;
    height_ = height;
    pixels_.resize(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < pixels_.size(); i += 4) {
        pixels_[i] = fill.r;
        pixels_[i + 1] = fill.g;
        pixels_[i + 2] = fill.b;
        pixels_[i + 3] = fill.a;
    }
    if (gReleaseHook) gReleaseHook(id_);
    markAllChanged();
}

void Image::setPixel(unsigned x, unsigned y, Color c) {
    std::uint8_t* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
    ++revision_;
    const int ix = static_cast<int>(x), iy = static_cast<int>(y);
    if (dirtyRight_ <= dirtyLeft_ || dirtyBottom_ <= dirtyTop_) {
        dirtyLeft_ = ix;
        dirtyTop_ = iy;
        dirtyRight_ = ix + 1;
        dirtyBottom_ = iy + 1;
    } else {
        dirtyLeft_ = std::min(dirtyLeft_, ix);
        dirtyTop_ = std::min(dirtyTop_, iy);
        dirtyRight_ = std::max(dirtyRight_, ix + 1);
        dirtyBottom_ = std::max(dirtyBottom_, iy + 1);
    }
}

void Image::setSmooth(bool smooth) {
    if (smooth_ != smooth) {
        smooth_ = smooth;
        ++revision_;
    }
}

IntRect Image::takeDirty() const {
    IntRect r{dirtyLeft_, dirtyTop_, dirtyRight_ - dirtyLeft_, dirtyBottom_ - dirtyTop_};
    dirtyLeft_ = dirtyTop_ = dirtyRight_ = dirtyBottom_ = 0;
    return r.empty() ? IntRect{} : r;
}

void Image::markAllChanged() {
    ++revision_;
    dirtyLeft_ = 0;
    dirtyTop_ = 0;
    dirtyRight_ = static_cast<int>(width_);
    dirtyBottom_ = static_cast<int>(height_);
}
