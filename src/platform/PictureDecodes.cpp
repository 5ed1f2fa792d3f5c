#include "platform/PictureDecodes.h"

#include <SFML/System/Err.hpp>
#include <algorithm>
#include <streambuf>

namespace {
std::vector<PictureDecodes*> gLiving;

thread_local bool tDecoding = false;

// The decoder reports failures on the graphics library's error stream. A decoding thread's
// report is dropped: the failed picture is read again where it is loaded, in order.
class DecodersSilenced : public std::streambuf {
public:
    explicit DecodersSilenced(std::streambuf* target) : target_(target) {}

protected:
    int overflow(int c) override {
        if (tDecoding || c == traits_type::eof()) return traits_type::not_eof(c);
        return target_->sputc(static_cast<char>(c));
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override { return tDecoding ? n : target_->sputn(s, n); }
    int sync() override { return tDecoding ? 0 : target_->pubsync(); }

private:
    std::streambuf* target_;
};

void silenceDecoders() {
    static const bool installed = [] {
        sf::err().rdbuf(new DecodersSilenced(sf::err().rdbuf()));
        return true;
    }();
    (void)installed;
}
}  // namespace

PictureDecodes::PictureDecodes(const std::vector<std::string>& paths) {
    silenceDecoders();
    for (const std::string& path : paths)
        decodes_.push_back({path, std::async(std::launch::async, [path] {
                                tDecoding = true;
                                return Image::decode(path);
                            })});
    gLiving.push_back(this);
}

PictureDecodes::~PictureDecodes() {
    gLiving.erase(std::find(gLiving.begin(), gLiving.end(), this));
    for (Decode& d : decodes_)
        if (d.result.valid()) d.result.wait();
}

std::shared_ptr<Image::Pixels> PictureDecodes::take(const std::string& path) {
    for (PictureDecodes* set : gLiving)
        for (Decode& d : set->decodes_)
            if (d.path == path && d.result.valid()) return d.result.get();
    return nullptr;
}
