#include <algorithm>

#include "platform/Paths.h"
#include "world/World.h"

void World::changeLevel(const std::string& name, bool fromStart) {
    // `name` may be currentLevelName itself, which resume overwrites.
    const std::string wanted = name;
    const Level record = Level::of(wanted);
    const bool fresh = fromStart || wanted != currentLevelName;
    if (!record.shipped && !playingApart_) {
        apart_ = saved_;
        playingApart_ = true;
    }
    camera.follow = false;
    // Every start of a level starts the flight afresh too.
    scarfBall.reset();
    camera.flightX = Camera::kFlightStartX;
    resume(progress());
    if (wanted != currentLevelName || fromStart) {
        currentLevelName = wanted;
        resetToStart();
    }
    level = record;
    highestLevel = std::max(highestLevel, levelNumber());
    // A run resumed at a checkpoint is timed only as the rest of a run timed from the start.
    if (checkpointIsStart()) run_ = Run{currentLevelName, playingApart_, 0};
    else if (run_ && (run_->level != currentLevelName || run_->apart != playingApart_)) run_.reset();
    writeSave();
    objects.load(wanted);
    // An edited level's pages may have moved between two tries.
    pages.loaded(currentLevelName, playingApart_, fresh || checkpointIsStart() || tryingOut(), objects.mainList);
    fallRescue.measure(objects.mainList);
}

void World::continueLevel() {
    // Play starts clear of a fade begun before the menus opened.
    fallRescue.cancel();
    if (playingApart_) {
        playingApart_ = false;
        currentLevelName = saved_.level;
    }
    changeLevel(currentLevelName);
}

void World::playApart(const std::string& name) {
    if (!playingApart_) apart_ = saved_;
    playingApart_ = true;
    changeLevel(name);
}

void World::tryOut(const std::string& name, LevelObjectSet::InMemory level, std::optional<sf::Vector2f> from) {
    objects.placeFromMemory(std::move(level));
    const sf::Vector2f at = from.value_or(sf::Vector2f(startX, startY));
    apart_ = Progress{static_cast<int>(at.x), static_cast<int>(at.y), name, highestLevel};
    playingApart_ = true;
    changeLevel(name);
}

void World::playFromStart(const std::string& name) {
    if (Level::of(name).shipped) playingApart_ = false;
    changeLevel(name, true);
}

bool World::nextLevelName() {
    const std::string candidate = Level::of(currentLevelName).nextFile();
    // Reading is all a level needs: a read-only game folder plays every level.
    if (candidate.empty() || !fileReadable(candidate)) return false;
    currentLevelName = candidate;
    return true;
}
