#pragma once

#include <SFML/Graphics/View.hpp>
#include <string>

#include "input/PadAim.h"
#include "platform/GameWindow.h"
#include "platform/Image.h"
#include "platform/Sprite.h"
#include "platform/TimeSource.h"
#include "player/Player.h"
#include "player/ScarfBall.h"
#include "world/LevelObjectSet.h"

// The game in play: the player, the level's objects, the camera and the progress.
class World {
public:
    World();

    void update(GameWindow& window);
    void draw(GameWindow& window);
    void changeLevel(const std::string& name);
    void continueLevel();
    void resetToStart();
    void applyCameraView(GameWindow& window);

    bool loadSave();
    void writeSave();
    void writeCompletionSave();
    void stepCheckpoint(LevelObject& checkpoint, int index);
    bool nextLevelName();
    int levelNumber() const;

    Player player;
    ScarfBall scarfBall;
    int checkpointX = 0, checkpointY = 0;
    std::string currentLevelName;
    int highestLevel = 1;
    LevelObjectSet objects;
    sf::View view;
    GameClock clock;
    float now = 0;
    float lastSaveTime = 0;
    bool returnToMenu = false;
    PadAim padAim;
    // Shows the pad's aim point while the pad is in use.
    Image reticleImage;
    Sprite reticle;

private:
    // Places the pointer the player's update reads at the pad's aim point, in window pixels.
    void aimWithPad(GameWindow& window);
    // Back at the checkpoint in the falling state with no speed left over.
    void respawnFalling();
    void updateObjects();
    // The respawn point is the level start: the player falls in rather than standing.
    bool checkpointIsStart() const;
    void applySaveDefaults();
};
