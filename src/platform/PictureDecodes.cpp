#include "platform/PictureDecodes.h"

#include <SFML/System/Err.hpp>
#include <algorithm>
#include <streambuf>
#include <thread>

#include "platform/Paths.h"

namespace {
// The graphics library's error stream is one a process, so who silences it is too.
std::vector<PictureDecodes*> gLiving;

thread_local bool tDecoding = false;

// The decoder reports failures on the graphics library's error stream. A decoding thread's
// report is dropped: the failed picture is read again where it is loaded, in order.
// It stands in front of the stream while any set lives.
class DecodersSilenced : public std::streambuf {
public:
    void install() {
        target_ = sf::err().rdbuf();
        sf::err().rdbuf(this);
    }
    void remove() {
        if (sf::err().rdbuf() == this) sf::err().rdbuf(target_);
    }

protected:
    int overflow(int c) override {
        if (!passes() || c == traits_type::eof()) return traits_type::not_eof(c);
        return target_->sputc(static_cast<char>(c));
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override { return passes() ? target_->sputn(s, n) : n; }
    int sync() override { return passes() ? target_->pubsync() : 0; }

private:
    bool passes() const { return !tDecoding && target_; }
    std::streambuf* target_ = nullptr;
};

DecodersSilenced gSilencer;

}  // namespace

PictureDecodes::PictureDecodes(const std::vector<std::string>& paths) {
    if (gLiving.empty()) gSilencer.install();
    for (const std::string& path : paths) {
        Decode& d = decodes_.emplace_back();
        d.path = path;
        d.packs = path.ends_with(".png") || path.ends_with(".PNG");
        d.result = d.promise.get_future();
    }
    // One core is left to the start-up itself, which the first frame waits for too.
    const size_t threads = std::min<size_t>(paths.size(), std::max(2u, std::thread::hardware_concurrency()) - 1);
    for (size_t i = 0; i < threads; ++i) workers_.push_back(std::async(std::launch::async, [this] { decodeInTurn(); }));
    gLiving.push_back(this);
}

void PictureDecodes::decodeInTurn() {
    tDecoding = true;
    for (size_t i; (i = next_++) < decodes_.size();) {
        Decode& d = decodes_[i];
        // A failure to allocate reaches the load, as it would have there.
        try {
            d.promise.set_value(d.packs ? Decoded{nullptr, PackedPicture::read(nativePath(d.path))}
                                        : Decoded{Image::decode(d.path), nullptr});
        } catch (...) {
            d.promise.set_exception(std::current_exception());
        }
    }
}

PictureDecodes::~PictureDecodes() {
    gLiving.erase(std::find(gLiving.begin(), gLiving.end(), this));
    for (auto& worker : workers_) worker.wait();
    if (gLiving.empty()) gSilencer.remove();
}

PictureDecodes::Decoded PictureDecodes::takeFrom(const std::string& path, bool packed) {
    for (PictureDecodes* set : gLiving)
        for (Decode& d : set->decodes_)
            if (d.path == path && d.packs == packed && d.result.valid()) return d.result.get();
    return {};
}

std::shared_ptr<Image::Pixels> PictureDecodes::take(const std::string& path) { return takeFrom(path, false).pixels; }

std::shared_ptr<const PackedPicture> PictureDecodes::takePacked(const std::string& path) {
    return takeFrom(path, true).packed;
}

void PictureDecodes::forget(const std::vector<std::string>& paths) {
    for (Decode& d : decodes_)
        if (d.result.valid() && std::find(paths.begin(), paths.end(), d.path) != paths.end()) {
            // Taking the picture out of the shared result is what lets it go; a failed decode
            // had nothing to hold.
            try {
                d.result.get();
            } catch (...) {
            }
        }
}
