#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "input/ControlReader.h"
#include "FuzzTargets.h"
#include "input/InputScript.h"
#include "level/LevelFile.h"
#include "platform/HeadlessWindow.h"
#include "audio/SilentAudioBackend.h"
#include "audio/SoundBank.h"
#include "platform/TimeSource.h"
#include "resources/ImageCache.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

constexpr long kMaxFrames = 4000;
constexpr int kOwnPictures = 3;

// A game folder of links to the built one, with a level of the input's own in place of the
// first (or the flight). The character sheets, sounds and music are left out: they play no
// part in the rules and would be read again for every input.
class PlayFolder {
public:
    PlayFolder() : previous_(fs::current_path()) {
        static const fs::path folder = makeFolder();
        fs::current_path(folder);
    }
    ~PlayFolder() { fs::current_path(previous_); }
    PlayFolder(const PlayFolder&) = delete;
    PlayFolder& operator=(const PlayFolder&) = delete;

private:
    static fs::path makeFolder() {
        const char* env = std::getenv("TORVE_GAME_DIR");
        const fs::path game = env ? env : TORVE_GAME_DIR;
        const fs::path shm = "/dev/shm";
        // Checkpoints flush the save file to disk; in memory that costs nothing.
        const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        static const struct Folder {
            explicit Folder(fs::path p) : path(std::move(p)) { fs::create_directories(path / "Content"); }
            ~Folder() {
                std::error_code ec;
                fs::remove_all(path, ec);
            }
            fs::path path;
        } folder(base / ("torve-play-" + std::to_string(getpid())));
        const auto skipped = [](const std::string& name) {
            return name == "Char.png" || name == "Char2.png" || name == "save.save" || name == "Content";
        };
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(game, ec))
            if (!skipped(entry.path().filename().string()))
                fs::create_symlink(entry.path(), folder.path / entry.path().filename(), ec);
        for (const char* sub : {"Level", "Menu"}) fs::create_symlink(game / "Content" / sub, folder.path / "Content" / sub, ec);
        return folder.path;
    }
    fs::path previous_;
};

// The input: a level file, a line starting "%%" (with "flight" in it: the level is the
// flight), an input script, another "%%" line, then the bytes of the level's own pictures.
struct PlayInput {
    std::string level, script, pictures;
    bool flight = false;
};

PlayInput splitInput(std::string_view text) {
    PlayInput in;
    int section = 0;
    size_t start = 0;
    for (size_t pos = 0; pos <= text.size() && section < 2;) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        if (line.rfind("%%", 0) == 0) {
            (section == 0 ? in.level : in.script) = std::string(text.substr(start, pos - start));
            if (section == 0) in.flight = line.find("flight") != std::string_view::npos;
            ++section;
            start = std::min(end + 1, text.size());
        }
        pos = end + 1;
    }
    if (section == 0) in.level = std::string(text);
    else if (section == 1) in.script = std::string(text.substr(start));
    else in.pictures = std::string(text.substr(start));
    return in;
}

// "own0.png" to "own2.png": a size byte each way (1 to 64), then an alpha byte a pixel, taken
// from the input in turn; what the input does not give is clear.
void makeOwnPictures(const std::string& bytes) {
    size_t next = 0;
    const auto take = [&]() -> std::uint8_t {
        return next < bytes.size() ? static_cast<std::uint8_t>(bytes[next++]) : 0;
    };
    for (int i = 0; i < kOwnPictures; ++i) {
        const unsigned w = 1 + take() % 64, h = 1 + take() % 64;
        Image picture;
        picture.create(w, h);
        for (unsigned y = 0; y < h; ++y)
            for (unsigned x = 0; x < w; ++x) picture.setPixel(x, y, Color{40, 40, 40, take()});
        *ImageCache::get("own" + std::to_string(i) + ".png") = picture;
    }
}

// An object nothing has rubbed out shows its record's picture as read, whatever happened to
// the objects around it.
void requireUntouchedPictures(const LevelObjectSet& objects) {
    const LevelFile file = LevelFile::read(objects.loadedLevelName);
    for (const ObjectList* list : {&objects.mainList, &objects.foregroundList})
        for (const auto& o : *list) {
            if (o->imageChanged || o->image.width() == 0) continue;
            const auto index = static_cast<size_t>(o->recordIndex);
            if (index >= file.records.size() || !o->image.samePixels(*ImageCache::get(file.records[index].picture)))
                std::abort();
        }
}

}  // namespace

int fuzzPlay(const std::uint8_t* data, std::size_t size) {
    const PlayInput input = splitInput(std::string_view(reinterpret_cast<const char*>(data), size));
    std::istringstream scriptText(input.script);
    std::string error;
    const auto script = parseInputScript(scriptText, error);
    if (!script) return 0;

    PlayFolder here;
    const std::string levelName = input.flight ? "Level5.txt" : "Level.txt";
    fs::remove(levelName);
    std::ofstream(levelName, std::ios::binary) << input.level;
    fs::remove("save.save");
    makeOwnPictures(input.pictures);

    TimeSource::useSimulated(true);
    HeadlessWindow window;
    SilentAudioBackend silent;
    SoundBank sounds(silent);
    World world(sounds);
    world.changeLevel(levelName);
    const long frames = std::min(script->totalFrames(), kMaxFrames);
    for (long frame = 0; frame < frames && !world.returnToMenu; ++frame) {
        window.scriptedInput() = script->at(frame);
        world.update(window, ControlReader());
        world.draw(window);
        TimeSource::advanceFrame();
    }
    requireUntouchedPictures(world.objects);
    // The restart's reload: every picture is whole again.
    world.objects.load(world.objects.loadedLevelName);
    requireUntouchedPictures(world.objects);
    TimeSource::useSimulated(false);
    return 0;
}
