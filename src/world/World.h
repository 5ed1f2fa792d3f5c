#pragma once

#include <SFML/Graphics/View.hpp>
#include <optional>
#include <string>

#include "input/ControlReader.h"
#include "input/PadAim.h"
#include "platform/GameWindow.h"
#include "platform/Image.h"
#include "platform/Sprite.h"
#include "platform/TimeSource.h"
#include "player/Player.h"
#include "player/ScarfBall.h"
#include "world/BestTimes.h"
#include "world/Camera.h"
#include "world/FallRescue.h"
#include "world/Hints.h"
#include "world/LevelObjectSet.h"
#include "world/PagesFound.h"
#include "world/Level.h"
#include "world/Progress.h"

// The game in play: the player, the level's objects, the camera and the progress.
class World {
public:
    // Plays its sounds through `sounds`, which outlives it.
    explicit World(SoundBank& sounds);

    void update(GameWindow& window, const ControlReader& reader);
    void draw(GameWindow& window);
    // Starts, restarts or resumes a level from the progress held in memory, which is read from
    // save.save only when the world is made: a restart lands on the last checkpoint touched
    // whatever the disk did with it. `fromStart` starts at the level's start all the same.
    void changeLevel(const std::string& name, bool fromStart = false);
    // Back to the main progress, as the play button does.
    void continueLevel();
    // Plays a level without touching the main progress, as a level started from the command
    // line is; its checkpoints still count for its own restarts.
    void playApart(const std::string& name);
    // Plays a level being edited, from memory and apart, from `from` (the start point when
    // none) until endTryOut. Its goal ends the try rather than leading to a next level.
    void tryOut(const std::string& name, LevelObjectSet::InMemory level, std::optional<sf::Vector2f> from);
    void endTryOut() { objects.placeFromMemory(std::nullopt); }
    bool tryingOut() const { return objects.fromMemory(); }
    // From its start, as picked in the level select: a shipped level on the main progress, as
    // if reached in the sequence; any other apart.
    void playFromStart(const std::string& name);
    void resetToStart();
    // What the restart key does: back to the last checkpoint touched, the level as it was loaded.
    void restartFromCheckpoint();
    void applyCameraView(GameWindow& window);

    bool loadSave();
    void writeSave();
    void writeCompletionSave();
    void stepCheckpoint(LevelObject& checkpoint, int index);
    bool nextLevelName();
    int levelNumber() const { return level.number; }
    // The progress save.save holds, whatever is being played.
    const Progress& mainProgress() const { return saved_; }

    SoundBank& sounds;
    Player player;
    ScarfBall scarfBall;
    int checkpointX = 0, checkpointY = 0;
    std::string currentLevelName;
    // The level being played, resolved from currentLevelName when it starts.
    Level level;
    // Where every level starts the player ([Debug] PlayerX, PlayerY).
    float startX = 500, startY = -300;
    // Objects farther than this from the player are not stepped ([Optimization] UpdateLength).
    float updateLength = 0;
    // The ball flies instead of the player; follows the level but for the frame a level starts in.
    bool flightLevel = false;
    Camera camera;
    Hints hints;
    FallRescue fallRescue;
    int highestLevel = 1;
    LevelObjectSet objects;
    sf::View view;
    GameClock clock;
    float now = 0;
    float lastSaveTime = 0;
    bool returnToMenu = false;
    BestTimes bestTimes;
    PagesFound pages;
    PadAim padAim;
    // Shows the pad's aim point while the pad is in use.
    Image reticleImage;
    Sprite reticle;

private:
    // Where restarts and resumes of the level being played come from.
    Progress& progress() { return playingApart_ ? apart_ : saved_; }
    // The level's checkpoint from the progress, with the player placed on it.
    void resume(const Progress& from);
    // Back at the checkpoint in the falling state with no speed left over.
    void respawnFalling();
    void updateObjects();
    // What takes pages: the player, or the ball in the flight.
    Box toucher() const;
    // The respawn point is the level start: the player falls in rather than standing.
    bool checkpointIsStart() const;
    void applySaveDefaults();
    // The level is over: a timed run offers its time, any run the pages it found.
    void finishRun();

    // The main progress as last asked to be written to save.save.
    Progress saved_;
    // The progress of a level played apart, begun as a copy of the main one.
    Progress apart_;
    bool playingApart_ = false;
    // The run being timed, from a start at the level's start, in the frames' own time (so a
    // headless run times the same every time).
    struct Run {
        std::string level;
        bool apart = false;
        double seconds = 0;
    };
    std::optional<Run> run_;
};
