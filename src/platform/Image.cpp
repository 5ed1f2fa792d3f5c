#include "platform/Image.h"

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <optional>

#include "platform/Paths.h"
#include "platform/PictureDecodes.h"
#include "platform/PictureHeader.h"

namespace {
// Pictures may be decoded on other threads.
std::atomic<std::uint64_t> gNextId{1};
// The window's textures of the pictures, one set a process as the picture cache is.
Image::ReleaseHook gReleaseHook = nullptr;

bool withinPixelLimit(std::uint64_t width, std::uint64_t height) { return width * height <= Image::kMaxPixels; }

// The size a regular file's header declares, when within the limit.
std::optional<PictureSize> readablePicture(const std::string& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    const auto declared = declaredPictureSize(file);
    if (!declared || !withinPixelLimit(declared->width, declared->height)) return std::nullopt;
    return declared;
}
}  // namespace

// Rows point into a block made once, when the picture was decoded or created, and shared by
// every identity made from it; a row an identity changes is copied into `own` first.
class Image::Pixels {
public:
    Pixels(unsigned width, unsigned height, std::shared_ptr<const std::uint8_t[]> block)
        : block(std::move(block)), rows(height), width(width) {}
    ~Pixels() {
        if (shown && gReleaseHook) gReleaseHook(id);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    // The same pixels under a new identity: the changed rows are copied, the others shared.
    std::shared_ptr<Pixels> split() const {
        auto copy = std::make_shared<Pixels>(width, static_cast<unsigned>(rows.size()), block);
        copy->rows = rows;
        for (size_t y = 0; y < own.size(); ++y)
            if (own[y]) copy->ownRow(y);
        return copy;
    }
    // Reads the file again when the pixels were let go; a file gone or changed reads as clear.
    void hold() {
        if (held) return;
        std::shared_ptr<Pixels> fresh = PictureDecodes::take(source);
        if (!fresh) fresh = Image::decode(source);
        if (fresh && fresh->width == width && fresh->rows.size() == rows.size()) {
            block = fresh->block;
            std::copy(fresh->rows.begin(), fresh->rows.end(), rows.begin());
        } else {
            std::shared_ptr<std::uint8_t[]> clear(new std::uint8_t[rowBytes()]());
            std::fill(rows.begin(), rows.end(), clear.get());
            block = std::move(clear);
        }
        held = true;
    }
    bool kept() const { return !onlyDrawn || keep || source.empty() || !own.empty(); }
    void letGo() {
        if (!held || kept()) return;
        block.reset();
        std::fill(rows.begin(), rows.end(), nullptr);
        held = false;
    }
    std::uint8_t* ownRow(size_t y) {
        if (own.empty()) own.resize(rows.size());
        if (!own[y]) {
            own[y] = std::make_unique_for_overwrite<std::uint8_t[]>(rowBytes());
            std::memcpy(own[y].get(), rows[y], rowBytes());
            rows[y] = own[y].get();
        }
        return own[y].get();
    }
    size_t rowBytes() const { return static_cast<size_t>(width) * 4; }

    std::shared_ptr<const std::uint8_t[]> block;
    // Never resized, so an image may keep a pointer to the table.
    std::vector<const std::uint8_t*> rows;
    std::vector<std::unique_ptr<std::uint8_t[]>> own;
    const unsigned width;
    const std::uint64_t id = gNextId++;
    std::uint64_t revision = 1;
    int dirtyLeft = 0, dirtyTop = 0, dirtyRight = 0, dirtyBottom = 0;
    // Only pixels an image showed can have textures; the others may die on any thread.
    bool shown = false;
    // The file the pixels came from, read again after they were let go.
    std::string source;
    bool onlyDrawn = false;
    bool keep = false;
    bool held = true;
};

namespace {
// Rows of the decoded picture. A picture with many all-zero rows (a character sheet's gaps) is
// copied with those rows stored once; any other keeps the decoder's own pixels, uncopied.
std::shared_ptr<Image::Pixels> rowsOf(std::unique_ptr<sf::Image> picture) {
    const sf::Vector2u size = picture->getSize();
    const size_t rowBytes = static_cast<size_t>(size.x) * 4;
    const std::uint8_t* source = picture->getPixelsPtr();
    std::vector<bool> blank(size.y);
    size_t kept = 0;
    for (unsigned y = 0; y < size.y; ++y) {
        const std::uint8_t* r = source + y * rowBytes;
        blank[y] = r[0] == 0 && std::memcmp(r, r + 1, rowBytes - 1) == 0;
        kept += !blank[y];
    }
    if (kept > size.y - size.y / 4) {
        const std::shared_ptr<const sf::Image> whole(std::move(picture));
        auto pixels = std::make_shared<Image::Pixels>(size.x, size.y, std::shared_ptr<const std::uint8_t[]>(whole, source));
        for (unsigned y = 0; y < size.y; ++y) pixels->rows[y] = source + y * rowBytes;
        return pixels;
    }
    std::shared_ptr<std::uint8_t[]> block(new std::uint8_t[(kept + 1) * rowBytes]);
    std::uint8_t* zero = block.get() + kept * rowBytes;
    std::memset(zero, 0, rowBytes);
    auto pixels = std::make_shared<Image::Pixels>(size.x, size.y, block);
    std::uint8_t* next = block.get();
    for (unsigned y = 0; y < size.y; ++y) {
        if (blank[y]) {
            pixels->rows[y] = zero;
            continue;
        }
        std::memcpy(next, source + y * rowBytes, rowBytes);
        pixels->rows[y] = next;
        next += rowBytes;
    }
    return pixels;
}
}  // namespace

void Image::setReleaseHook(ReleaseHook hook) { gReleaseHook = hook; }

std::shared_ptr<Image::Pixels> Image::decode(const std::string& path) {
    const std::string file = nativePath(path);
    if (path.empty() || !readablePicture(file)) return nullptr;
    auto picture = std::make_unique<sf::Image>();
    if (!picture->loadFromFile(file)) return nullptr;
    const sf::Vector2u size = picture->getSize();
    if (size.x == 0 || size.y == 0 || !withinPixelLimit(size.x, size.y)) return nullptr;
    return rowsOf(std::move(picture));
}

void Image::show(std::shared_ptr<Pixels> pixels) {
    shared_ = std::move(pixels);
    if (!shared_) {
        width_ = height_ = 0;
        rows_ = nullptr;
        return;
    }
    width_ = shared_->width;
    height_ = static_cast<unsigned>(shared_->rows.size());
    rows_ = shared_->rows.data();
    if (!shared_->shown) {
        shared_->shown = true;
        shared_->dirtyRight = static_cast<int>(width_);
        shared_->dirtyBottom = static_cast<int>(height_);
    }
}

bool Image::loadFromFile(const std::string& path) {
    auto decoded = PictureDecodes::take(path);
    show(decoded ? std::move(decoded) : decode(path));
    if (shared_) shared_->source = path;
    return shared_ != nullptr;
}

bool Image::loadForDrawing(const std::string& path) {
    const auto declared = path.empty() ? std::nullopt : readablePicture(nativePath(path));
    if (!declared || declared->width == 0 || declared->height == 0) {
        show(nullptr);
        return false;
    }
    auto pixels = std::make_shared<Pixels>(declared->width, declared->height, nullptr);
    pixels->source = path;
    pixels->onlyDrawn = true;
    pixels->held = false;
    show(std::move(pixels));
    return true;
}

void Image::onlyDrawn() const {
    if (shared_) shared_->onlyDrawn = true;
}

void Image::keepPixels() const {
    if (!shared_) return;
    shared_->keep = true;
    shared_->hold();
}

void Image::holdPixels() const {
    if (shared_) shared_->hold();
}

void Image::letPixelsGo() const {
    if (shared_) shared_->letGo();
}

bool Image::holdsPixels() const { return !shared_ || shared_->held; }

bool Image::keepsPixels() const { return !shared_ || shared_->kept(); }

std::string Image::sourceFile() const { return shared_ ? shared_->source : std::string(); }

bool Image::saveToFile(const std::string& path) const {
    if (!shared_) return false;
    holdPixels();
    const size_t rowBytes = shared_->rowBytes();
    std::vector<std::uint8_t> whole(rowBytes * height_);
    for (unsigned y = 0; y < height_; ++y) std::memcpy(&whole[y * rowBytes], rows_[y], rowBytes);
    sf::Image picture;
    picture.create(width_, height_, whole.data());
    return picture.saveToFile(nativePath(path));
}

void Image::create(unsigned width, unsigned height, Color fill) {
    if (width == 0 || height == 0) {
        show(nullptr);
        return;
    }
    // Every row starts as the one filled row.
    std::shared_ptr<std::uint8_t[]> block(new std::uint8_t[static_cast<size_t>(width) * 4]);
    const std::uint8_t rgba[4] = {fill.r, fill.g, fill.b, fill.a};
    for (unsigned x = 0; x < width; ++x) std::memcpy(&block[static_cast<size_t>(x) * 4], rgba, 4);
    auto pixels = std::make_shared<Pixels>(width, height, block);
    std::fill(pixels->rows.begin(), pixels->rows.end(), block.get());
    show(std::move(pixels));
}

void Image::ownPixels() { show(shared_->split()); }

bool Image::samePixels(const Image& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    if (shared_ == other.shared_) return true;
    holdPixels();
    other.holdPixels();
    const size_t rowBytes = static_cast<size_t>(width_) * 4;
    for (unsigned y = 0; y < height_; ++y)
        if (rows_[y] != other.rows_[y] && std::memcmp(rows_[y], other.rows_[y], rowBytes) != 0) return false;
    return true;
}

void Image::setPixel(unsigned x, unsigned y, Color c) {
    holdPixels();
    if (shared_.use_count() > 1) ownPixels();
    Pixels& s = *shared_;
    std::uint8_t* p = s.ownRow(y) + static_cast<size_t>(x) * 4;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
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
