#include "world/World.h"

#include <cmath>
#include <iostream>
#include <optional>
#include <string>

#include "audio/SoundBank.h"
#include "config/Config.h"
#include "level/Kinds.h"
#include "level/RuleSettings.h"
#include "platform/Paths.h"
#include "terrain/Collision.h"
#include "world/KeyAndDoorAction.h"
#include "world/ObjectSteps.h"

namespace {
// A start beyond where objects can be placed cannot be turned into the checkpoint's whole pixels.
float startCoordinate(const Config& config, const char* key, float fallback) {
    const double read = config.real("Debug", key, std::to_string(fallback));
    if (std::fabs(read) <= LevelObjectSet::kFarthest) return static_cast<float>(read);
    std::cerr << "torve: config.ini: [Debug] " << key << "=" << read << " lies beyond the level's reach; using "
              << fallback << "\n";
    return fallback;
}
}  // namespace

World::World(SoundBank& sounds)
    : sounds(sounds), player(sounds), view(sf::FloatRect(0, 0, 1024, 768)), bestTimes(gameFolders().stats) {
    reticleImage.loadFromFile("reticle.png");
    reticle.setImage(&reticleImage);
    Config config;
    // The save's defaults start where the level starts.
    startX = startCoordinate(config, "PlayerX", 500);
    startY = startCoordinate(config, "PlayerY", -300);
    updateLength = static_cast<float>(config.real("Optimization", "UpdateLength", "1000"));
    loadSave();
    lastSaveTime = 0;
    returnToMenu = false;
    sounds.loadSounds();
    objects.mainList.rules = RuleSettings::read();
}

void World::update(GameWindow& window, const ControlReader& reader) {
    if (run_) run_->seconds += window.frameSeconds();
    flightLevel = level.flight;
    applyCameraView(window);
    Controls controls;
    if (flightLevel) {
        controls = reader.forPlay(window, true, std::nullopt);
        scarfBall.update(window, controls, objects.mainList, camera.flightX, sounds);
    } else {
        player.gravityStep(objects.mainList);
        // The pad aims from where the gravity step left the player.
        padAim.update(window.input().pad, player.facing == Facing::Right);
        const auto padPoint = window.padInUse() ? std::optional(padAim.pointFrom(player.centre())) : std::nullopt;
        controls = reader.forPlay(window, false, padPoint);
        keyAndDoorAction(player, controls, objects.mainList, sounds);
        if (player.carriedKey == -1) pickUpKey(player, objects.mainList, sounds);
        player.update(window, controls, objects.mainList);
        hints.update(objects.mainList, player.doorLook);
    }
    sounds.playMusicFor(level.music);
    updateObjects();
    const bool fellAway = !flightLevel && fallRescue.update(player.y, window.frameSeconds());
    // Tested as held, not as a fresh press: holding R restarts every frame.
    if (controls.holds(Action::Restart) || fellAway) restartFromCheckpoint();
    // Flown through, the flight completes the game as the last goal does, and Play then
    // starts the first level.
    if (flightLevel && scarfBall.x > 18000) {
        finishRun();
        writeCompletionSave();
        currentLevelName = Level::first();
        level = Level::of(currentLevelName);
        returnToMenu = true;
    }
}

void World::restartFromCheckpoint() {
    player.reset(checkpointX, checkpointY, !checkpointIsStart());
    changeLevel(currentLevelName);
}

bool World::checkpointIsStart() const {
    return static_cast<float>(checkpointX) == startX && static_cast<float>(checkpointY) == startY;
}

void World::updateObjects() {
    now = clock.elapsedSeconds();
    ObjectList& list = objects.mainList;
    for (size_t i = 0; i < list.size(); ++i) {
        LevelObject& object = *list[i];
        const Step step = kindRoles(object.kind).step;
        if (step == Step::None) continue;
        const int index = static_cast<int>(i);
        // Before the distance test, which measures from the player, who stays behind in the flight.
        if (step == Step::Page) {
            if (pages.takeIfTouched(list, index, toucher())) sounds.playIfIdle("pickup_key.wav");
            continue;
        }
        if (updateLength < std::fabs(object.x - player.x)) continue;

        const int px = static_cast<int>(player.x), py = static_cast<int>(player.y);
        const int pw = static_cast<int>(player.width), ph = static_cast<int>(player.height);
        if (step == Step::CameraTrigger && objectOverlaps(list, index, {px, py, pw, ph}) && !camera.follow) {
            camera.follow = true;
            camera.y = 384;
        }
        if (step == Step::Goal) {
            if (!objectOverlaps(list, index, {px, py, pw, ph})) continue;
            finishRun();
            if (!tryingOut() && nextLevelName()) {
                changeLevel(currentLevelName);
            } else {
                writeCompletionSave();
                returnToMenu = true;
            }
            // The list may have been rebuilt: nothing more is stepped this frame.
            return;
        }
        if (step == Step::Checkpoint) stepCheckpoint(object, index);
        else if (step == Step::Platform) stepPlatform(object, list, player.x, player.y, player.width, player.height, sounds);
        else stepObject(object, list, index, sounds);
    }
}

Box World::toucher() const {
    if (flightLevel)
        return {static_cast<int>(scarfBall.x), static_cast<int>(scarfBall.y), static_cast<int>(scarfBall.image.width()),
                static_cast<int>(scarfBall.image.height())};
    return {static_cast<int>(player.x), static_cast<int>(player.y), static_cast<int>(player.width),
            static_cast<int>(player.height)};
}

void World::resetToStart() {
    checkpointX = static_cast<int>(startX);
    checkpointY = static_cast<int>(startY);
    respawnFalling();
    flightLevel = false;
}

void World::finishRun() {
    // A try-out plays the editor's level as it stands, unsaved: its time is no file's.
    if (!tryingOut()) {
        if (run_) bestTimes.offer(level, run_->seconds);
        bestTimes.offerPages(level, pages.count());
    }
    run_.reset();
}

void World::respawnFalling() { player.reset(checkpointX, checkpointY, false); }

void World::draw(GameWindow& window) {
    objects.drawLayerOne(window);
    hints.draw(window, player.x, player.y);
    if (flightLevel) scarfBall.draw(window);
    else player.draw(window);
    objects.drawLayerTwo(window);
    if (window.padInUse() && !flightLevel) {
        const sf::Vector2f aim = padAim.pointFrom(player.centre());
        reticle.setPosition(aim.x - static_cast<float>(reticleImage.width()) / 2,
                            aim.y - static_cast<float>(reticleImage.height()) / 2);
        window.draw(reticle);
    }
    fallRescue.draw(window);
}
