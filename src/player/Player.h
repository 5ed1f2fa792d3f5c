#pragma once

#include <string>

#include "audio/SoundBank.h"
#include "boomerang/Boomerang.h"
#include "input/Controls.h"
#include "level/ObjectList.h"
#include "player/Facing.h"
#include "platform/GameWindow.h"
#include "platform/Sprite.h"
#include "platform/TimeSource.h"
#include "resources/SpriteAnimation.h"
#include "terrain/Collision.h"

// Where the player stood, and with what, when it last looked for a door to open or close:
// what the door bubbles are decided from.
struct DoorLook {
    int x = 0, y = 0, w = 0, h = 0;
    int carriedKey = -1;
    bool onGround = false;
    int bx = 0, by = 0, bw = 0, bh = 0;  // the boomerang's box
};

// The character: a box that runs, jumps, climbs drawn slopes and throws the boomerang.
class Player {
public:
    explicit Player(SoundBank& sounds);
    // The sheet sprites point at the player's own images.
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void reset(int x, int y, bool standing);
    void gravityStep(ObjectList& list);
    void update(const GameWindow& window, const Controls& controls, ObjectList& list);
    void moveAndResolve(ObjectList& list, float dx, float dy);
    void draw(GameWindow& window);
    // Centre of the collision box: where the boomerang starts and returns to.
    sf::Vector2f centre() const;

    double maxGravity = 0, gravity = 0, friction = 0, jumpPower = 0, runSpeed = 0;
    int hillwalk = 0;
    float x = 200, y = 200;
    float width = 0, height = 0;
    float frameWidth = 0, frameHeight = 0;
    int carriedKey = -1;
    float animationFps = 0;
    int pickupCounter = 0;
    int actionArmed = 0;
    float jumpDelay = 0;
    float fallAccel = 0;
    float vx = 0, vy = 0;
    float prevX = 0, prevY = 0;
    bool jumpArmed = false;
    float now = 0;
    float coyoteDeadline = 0;
    bool coyoteSet = false;
    GameClock clock;
    Facing facing = Facing::Right;
    // Whether the player stood on something last frame: a landing sounds once.
    bool onGround = false;
    DoorLook doorLook;
    bool horizontalEnabled = true;
    int ceilingSlide = 0;
    std::string animName, prevAnimName;

    Image sheetImage, sheetImage2;
    Sprite sheetSprite, sheetSprite2;
    SpriteAnimation animation;
    int rowOffset = 0;

    Boomerang boomerang;
    SoundBank& sounds;

private:
    // queryBox over the player's box placed at (px, py), truncated.
    CollisionHit probe(const ObjectList& list, float px, float py, float dirX, float dirY) const;
    void runAndJump(const Controls& controls, const CollisionHit& ground, int surface);
    void startThrow(const Controls& controls);
    void slideAlongCeiling(const ObjectList& list, float& dx, float dy);
    void stepDownOrUp(const ObjectList& list, float dx, float dy);
    void endOneShotAnimations();
};
