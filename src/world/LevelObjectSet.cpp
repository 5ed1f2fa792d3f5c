#include "world/LevelObjectSet.h"

#include <algorithm>

#include "config/Config.h"
#include "level/Kinds.h"
#include "level/LevelFile.h"
#include "resources/ImageCache.h"

namespace {

float levelCoordinate(int v) {
    return static_cast<float>(std::clamp(v, -LevelObjectSet::kFarthest, LevelObjectSet::kFarthest));
}

// Moves the pooled object of this record into `list`, put back to the record's place and kind.
bool reuse(ObjectList& pool, ObjectList& list, const LevelRecord& record) {
    const auto it = std::find_if(pool.begin(), pool.end(),
                                 [&record](const auto& o) { return o->recordIndex == record.index; });
    if (it == pool.end()) return false;
    LevelObject& o = **it;
    o.x = levelCoordinate(record.x);
    o.y = levelCoordinate(record.y);
    o.kind = record.kind;
    // A hand-over may have given a platform a speed across its own direction; with its kind
    // put back it would keep that speed without ever testing for terrain that way.
    if (isHorizontalPlatform(o.kind)) o.speedY = 0;
    if (isVerticalPlatform(o.kind)) o.speedX = 0;
    list.push_back(std::move(*it));
    pool.erase(it);
    return true;
}

void setAside(ObjectList& list, ObjectList& pool, bool keepForReuse) {
    for (auto& o : list)
        if (keepForReuse && !o->imageChanged) pool.push_back(std::move(o));
    list.clear();
}

}  // namespace

LevelObjectSet::LevelObjectSet() {
    const Config config;
    platformSpeedX = static_cast<float>(config.real("Plattform", "SpeedX", "UNKNOWN"));
    platformSpeedY = static_cast<float>(config.real("Plattform", "SpeedY", "UNKNOWN"));
    openDoorImage.loadForDrawing("door_animation.png");
    // The same sheet: sharing it costs nothing until one of the two is changed, which none is.
    closedDoorImage = openDoorImage;
    checkpointImage.loadForDrawing("checkpoint_animation.png");
    keyDestroyImage.loadForDrawing("key_destroy.png");
}

void LevelObjectSet::load(const std::string& name) {
    const bool sameLevel = name == loadedLevelName;
    if (!sameLevel) loadedLevelName = name;
    clear(sameLevel);
    const Image noPicture;
    std::uint64_t pixels = 0;
    const std::vector<LevelRecord> records = inMemory_ ? inMemory_->records : LevelFile::read(name).records;
    // The last level's pictures go before this one's are read, so both are never held at once;
    // those the two share stay.
    if (!sameLevel) {
        std::vector<std::string> wanted;
        for (const LevelRecord& record : records) wanted.push_back(LevelFile::picturePath(name, record.picture));
        ImageCache::forgetUnshown(wanted);
    }
    for (const LevelRecord& record : records) {
        // Past the budget no more pictures are even read, so the cache cannot grow either.
        const Image* picture = pixels < kPixelBudget ? &pictureOf(name, record) : &noPicture;
        pixels += static_cast<std::uint64_t>(picture->width()) * picture->height();
        if (pixels > kPixelBudget) picture = &noPicture;
        const bool foreground = kindRoles(record.kind).foreground;
        if (sameLevel && picture != &noPicture &&
            reuse(foreground ? foregroundPool : mainPool, foreground ? foregroundList : mainList, record))
            continue;
        addObject(record.kind, levelCoordinate(record.x), levelCoordinate(record.y), *picture, record.index);
    }
    // Objects whose records are gone (the file changed) are not kept past the load.
    mainPool.clear();
    foregroundPool.clear();
    ImageCache::forgetUnshown();
}

void LevelObjectSet::clear(bool keepForReuse) {
    setAside(mainList, mainPool, keepForReuse);
    setAside(foregroundList, foregroundPool, keepForReuse);
}

void LevelObjectSet::addObject(int kind, float x, float y, const Image& picture, int recordIndex) {
    auto o = std::make_unique<LevelObject>();
    o->x = x;
    o->y = y;
    o->kind = kind;
    o->image = picture;
    // Whatever a rule may read or change keeps its pixels; the rest only needs its textures.
    if (onlyDrawn(kind)) o->image.onlyDrawn();
    else o->image.keepPixels();
    o->width = static_cast<int>(picture.width());
    o->height = static_cast<int>(picture.height());
    o->recordIndex = recordIndex;
    const KindRoles& roles = kindRoles(kind);
    switch (roles.platform) {
        case Motion::Down: o->speedY = platformSpeedY; break;
        case Motion::Up: o->speedY = -platformSpeedY; break;
        case Motion::Right: o->speedX = platformSpeedX; break;
        case Motion::Left: o->speedX = -platformSpeedX; break;
        case Motion::None: break;
    }
    // Keys fall, and are touched across a box of their own width.
    if (roles.step == Step::Key) {
        o->speedY = 7;
        o->width = 35;
    }
    o->baseSpeedX = o->speedX;
    o->baseSpeedY = o->speedY;
    (roles.foreground ? foregroundList : mainList).push_back(std::move(o));
}

const Image& LevelObjectSet::pictureOf(const std::string& level, const LevelRecord& record) const {
    if (inMemory_)
        if (const auto given = inMemory_->pictures.find(record.index); given != inMemory_->pictures.end())
            return given->second;
    return ImageCache::forLevel(LevelFile::picturePath(level, record.picture));
}

void LevelObjectSet::placeFromMemory(std::optional<InMemory> level) {
    inMemory_ = std::move(level);
    // What was loaded before came from elsewhere: nothing of it is reused.
    loadedLevelName.clear();
    clear(false);
}
