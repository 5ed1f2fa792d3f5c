#include "FuzzTargets.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "input/InputScript.h"
#include "audio/SilentAudioBackend.h"
#include "audio/SoundBank.h"
#include "config/Config.h"
#include "level/LevelFile.h"
#include "platform/FileWriter.h"
#include "platform/Image.h"
#include "world/LevelObjectSet.h"
#include "world/World.h"

namespace {
// One scratch folder per process for readers that only take files, removed at exit.
std::string scratch(const std::string& name) {
    static const struct Folder {
        Folder() : path(std::filesystem::temp_directory_path() / ("torve-fuzz-" + std::to_string(getpid()))) {
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
        std::filesystem::path path;
    } folder;
    return (folder.path / name).string();
}

// The scratch folder as the working directory while a reader that opens relative names runs.
// It holds two tiny pictures, so level files naming them load real picture copies.
class InScratchFolder {
public:
    InScratchFolder() : previous_(std::filesystem::current_path()) {
        static const bool pictures = [] {
            Image picture;
            picture.create(3, 2, Color{0, 0, 0, 255});
            picture.saveToFile(scratch("a.png"));
            picture.create(1, 4, Color{9, 9, 9, 0});
            return picture.saveToFile(scratch("b.png"));
        }();
        (void)pictures;
        std::filesystem::current_path(std::filesystem::path(scratch("")));
    }
    ~InScratchFolder() { std::filesystem::current_path(previous_); }
    InScratchFolder(const InScratchFolder&) = delete;
    InScratchFolder& operator=(const InScratchFolder&) = delete;

private:
    std::filesystem::path previous_;
};

std::string writeScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = scratch(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(line);
    }
    return out;
}

size_t objectCount(const LevelObjectSet& objects) { return objects.mainList.size() + objects.foregroundList.size(); }

bool isWord(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

bool mentionsKey(std::string line) {
    for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return line.find("music_volume") != std::string::npos;
}
}  // namespace

int fuzzConfig(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeScratch("config.ini", data, size);
    {
        Config config(path);
        config.real("Player", "Gravity", "UNKNOWN");
        config.integer("Resolution", "x", 1024);
    }
    const std::string before = readAll(path);
    if (!writeProfileString("Sound", "Music_Volume", "0.5", path)) std::abort();
    const std::string once = readAll(path);
    // Every line the writer does not own survives, in order.
    const auto kept = lines(once);
    size_t next = 0;
    for (const auto& line : lines(before)) {
        if (mentionsKey(line)) continue;
        while (next < kept.size() && kept[next] != line) ++next;
        if (next == kept.size()) std::abort();
        ++next;
    }
    // Writing the same value again changes nothing.
    if (!writeProfileString("Sound", "Music_Volume", "0.5", path) || readAll(path) != once) std::abort();
    return 0;
}

int fuzzInputScript(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string error;
    if (auto script = parseInputScript(in, error)) {
        const long total = script->totalFrames();
        script->at(0);
        script->at(total);
    } else if (error.empty()) {
        std::abort();  // a refusal always says why
    }
    return 0;
}

int fuzzImage(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeScratch(size > 1 && data[1] == 'P' ? "picture.png" : "picture.jpg", data, size);
    Image image;
    const bool ok = image.loadFromFile(path);
    if (!ok && (image.width() != 0 || image.height() != 0)) std::abort();
    if (ok && image.width() > 0 && image.height() > 0) image.alpha(image.width() - 1, image.height() - 1);
    return 0;
}

int fuzzLevelFile(const std::uint8_t* data, std::size_t size) {
    const LevelFile file = LevelFile::parse(std::string(reinterpret_cast<const char*>(data), size));
    for (size_t i = 0; i < file.records.size(); ++i) {
        const LevelRecord& record = file.records[i];
        if (record.index != static_cast<int>(i) || !isWord(record.picture) || record.line < 1) std::abort();
        if (i > 0 && record.line < file.records[i - 1].line) std::abort();
        if (!record.kindRead && i + 1 != file.records.size()) std::abort();  // an unread kind ends the file
    }
    if (!file.stop.clean() && (file.stop.expected.empty() || file.stop.found.empty() || file.stop.line < 1))
        std::abort();

    InScratchFolder here;
    writeScratch("Level.txt", data, size);
    static LevelObjectSet* objects = new LevelObjectSet;
    objects->load("missing.txt");
    if (objectCount(*objects) != 0) std::abort();
    objects->load("Level.txt");
    if (objectCount(*objects) != file.records.size()) std::abort();
    // A restart rebuilds erased objects and reuses the rest: the same objects either way.
    if (!objects->mainList.empty()) objects->mainList.front()->imageChanged = true;
    objects->load("Level.txt");
    if (objectCount(*objects) != file.records.size()) std::abort();
    for (const auto& o : objects->mainList)
        if (o->image.height() != static_cast<unsigned>(o->height)) std::abort();
    return 0;
}

int fuzzSaveFile(const std::uint8_t* data, std::size_t size) {
    InScratchFolder here;
    writeScratch("save.save", data, size);
    SilentAudioBackend silent;
    static World* world = new World(*new SoundBank(silent));
    if (!world->loadSave()) std::abort();  // a file that can be written back is always used
    if (!isWord(world->currentLevelName)) std::abort();
    const int x = world->checkpointX, y = world->checkpointY, highest = world->highestLevel;
    const std::string level = world->currentLevelName;
    // What the game writes it reads back unchanged.
    world->writeSave();
    if (!world->loadSave() || world->checkpointX != x || world->checkpointY != y || world->highestLevel != highest ||
        world->currentLevelName != level)
        std::abort();
    world->continueLevel();
    return 0;
}
