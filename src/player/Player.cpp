#include "player/Player.h"

#include "config/Config.h"
#include "level/Kinds.h"
#include "player/PlayerAnimations.h"

namespace {
int toInt(float v) { return static_cast<int>(v); }
}  // namespace

Player::Player(SoundBank& sounds) : boomerang(sounds), sounds(sounds) {
    const Config config;
    // Every key is text first; a missing one reads as 0.
    auto value = [&config](const char* key) { return config.real("Player", key, "UNKNOWN"); };
    maxGravity = value("MaxGravity");
    gravity = value("Gravity");
    friction = value("Friktion");
    jumpPower = value("JumpPower");
    runSpeed = value("RunSpeed");
    width = static_cast<float>(value("SizeX"));
    height = static_cast<float>(value("SizeY"));
    hillwalk = static_cast<int>(value("Hillwalk"));
    animationFps = static_cast<float>(value("AnimationFPS"));
    jumpDelay = static_cast<float>(value("JumpDelay"));
    frameWidth = static_cast<float>(value("SizeXSprite"));
    frameHeight = static_cast<float>(value("SizeYSprite"));

    sheetImage.loadForDrawing("Char.png");
    sheetImage.setSmooth(false);
    sheetImage2.loadForDrawing("Char2.png");
    sheetImage2.setSmooth(false);
    sheetSprite.setImage(&sheetImage);
    sheetSprite2.setImage(&sheetImage2);
}

sf::Vector2f Player::centre() const {
    return {static_cast<float>(x + width * 0.5), static_cast<float>(y + height * 0.5)};
}

void Player::reset(int px, int py, bool standing) {
    x = static_cast<float>(px);
    y = static_cast<float>(py);
    // A respawn never carries over the speed of the play that was left.
    vx = 0;
    vy = 0;
    fallAccel = 0;
    pickupCounter = 0;
    actionArmed = 0;
    carriedKey = -1;
    jumpArmed = false;
    boomerang.ready = true;
    boomerang.flightTime = 0;
    animName = standing ? "StandingRight" : "FallingRight";
    facing = standing ? Facing::Right : Facing::Left;
}

CollisionHit Player::probe(const ObjectList& list, float px, float py, float dirX, float dirY) const {
    return queryBox(toInt(px), toInt(py), toInt(width), toInt(height), list, dirX, dirY);
}

void Player::gravityStep(ObjectList& list) {
    // The fall keeps accelerating until the cap.
    vy = static_cast<float>(vy + fallAccel + gravity);
    fallAccel = static_cast<float>(fallAccel + gravity / 10);
    if (vx < 0) vx = static_cast<float>(vx + friction);
    if (vx > 0) vx = static_cast<float>(vx - friction);
    if (-2 * friction <= vx && vx <= 2 * friction) vx = 0;
    if (vy > maxGravity) vy = static_cast<float>(maxGravity);
    moveAndResolve(list, vx, vy);
}

void Player::update(const GameWindow& window, const Controls& controls, ObjectList& list) {
    const bool left = controls.holds(Action::Left), right = controls.holds(Action::Right);
    const bool throwing = controls.holds(Action::Throw);
    if (!left && !right && !throwing && !isJumpingFallingOrTossing(animName))
        animName = facing == Facing::Left ? "StandingLeft" : "StandingRight";
    if (boomerang.ready)
        applyRename(animName, {{"JumpingLeftTossing", "JumpingLeft"},
                               {"JumpingRightTossing", "JumpingRight"},
                               {"RunningLeftTossing", "RunningLeft"},
                               {"RunningRightTossing", "RunningRight"},
                               {"StandingLeftTossing", "StandingLeft"},
                               {"StandingRightTossing", "StandingRight"}});

    const CollisionHit ground = probe(list, x, y + 2, 0, 1);
    now = clock.elapsedSeconds();
    if (ground.hit) {
        applyRename(animName, {{"JumpingLeft", "StandingLeft"},
                               {"JumpingLeftRunning", "StandingLeft"},
                               {"JumpingLeftTossing", "StandingLeft"},
                               {"FallingLeft", "StandingLeft"},
                               {"JumpingRight", "StandingRight"},
                               {"JumpingRightRunning", "StandingRight"},
                               {"JumpingRightTossing", "StandingRight"},
                               {"FallingRight", "StandingRight"}});
    } else if (!coyoteSet && jumpArmed) {
        // Set once per jump: a second ledge walked off without jumping gets no grace.
        coyoteSet = true;
        coyoteDeadline = now + jumpDelay;
    }
    if (!controls.holds(Action::Jump) && !jumpArmed && ground.hit &&
        isOneOf(animName, {"StandingRight", "StandingLeft", "RunningLeft", "RunningRight", "StandingRightTossing",
                           "StandingLeftTossing", "RunningLeftTossing", "RunningRightTossing", "FallingLeft",
                           "FallingRight"}))
        jumpArmed = true;

    const int surface = ground.kind == Kind::Pencil || ground.kind == Kind::Ink ? ground.kind : 1;
    if (ground.hit && !onGround) {
        onGround = true;
        sounds.playLanding(surface);
    } else if (!ground.hit) {
        onGround = false;
    }

    runAndJump(controls, ground, surface);

    doorLook = {toInt(x),          toInt(y),          toInt(width),           toInt(height),           carriedKey,
                ground.hit,        toInt(boomerang.x), toInt(boomerang.y), toInt(boomerang.width), toInt(boomerang.height)};
    if ((!left && !right) || !ground.hit) sounds.playFootstep(0);
    if (throwing) startThrow(controls);

    const CollisionHit platform = probe(list, x, y + 3, 0, 1);
    const bool onHorizontalPlatform = platform.hit && isHorizontalPlatform(platform.kind);
    if (onHorizontalPlatform) vx += platform.speedX;
    moveAndResolve(list, vx, vy);
    if (onHorizontalPlatform && platform.speedX != 0) vx = 0;

    boomerang.updateFlight(controls, window.frameSeconds(), centre(), list);
}

void Player::runAndJump(const Controls& controls, const CollisionHit& ground, int surface) {
    const bool footfall = animation.nextFrame == 5 || animation.nextFrame == 16;
    if (controls.holds(Action::Left)) {
        vx = static_cast<float>(-runSpeed);
        if (footfall) sounds.playFootstep(surface);
        facing = Facing::Left;
        applyRename(animName, {{"StandingLeft", "RunningLeft"},
                               {"StandingRight", "RunningLeft"},
                               {"RunningRight", "RunningLeft"},
                               {"JumpingRightRunning", "JumpingLeftRunning"},
                               {"JumpingRight", "JumpingLeftRunning"},
                               {"StandingLeftTossing", "RunningLeft"},
                               {"StandingRightTossing", "RunningLeft"},
                               {"FallingRight", "FallingLeft"}});
    }
    // With both keys down this comes last, so right wins.
    if (controls.holds(Action::Right)) {
        vx = static_cast<float>(runSpeed);
        if (footfall) sounds.playFootstep(surface);
        facing = Facing::Right;
        applyRename(animName, {{"StandingLeft", "RunningRight"},
                               {"StandingRight", "RunningRight"},
                               {"RunningLeft", "RunningRight"},
                               {"JumpingLeftRunning", "JumpingRightRunning"},
                               {"JumpingLeft", "JumpingRightRunning"},
                               {"StandingLeftTossing", "RunningRight"},
                               {"StandingRightTossing", "RunningRight"},
                               {"FallingLeft", "FallingRight"}});
    }

    const bool jumpKey = controls.holds(Action::Jump);
    if (jumpKey && jumpArmed) {
        now = clock.elapsedSeconds();
        if (ground.hit || now < coyoteDeadline) {
            coyoteSet = false;
            jumpArmed = false;
            vy = static_cast<float>(-jumpPower);
            fallAccel = 0;
            sounds.playJump(surface);
            applyRename(animName, {{"StandingLeft", "JumpingLeft"},
                                   {"StandingLeftTossing", "JumpingLeft"},
                                   {"StandingRight", "JumpingRight"},
                                   {"StandingRightTossing", "JumpingRight"},
                                   {"RunningLeft", "JumpingLeftRunning"},
                                   {"RunningLeftTossing", "JumpingLeftRunning"},
                                   {"RunningRight", "JumpingRightRunning"},
                                   {"RunningRightTossing", "JumpingRightRunning"}});
        }
    }
    // Letting go of the key cuts the rise once the first 15 % of the jump speed is spent.
    if (!jumpKey && -0.85 * jumpPower < vy && vy < 0) vy = 0;
}

void Player::startThrow(const Controls& controls) {
    const sf::Vector2f mouse = controls.aim;
    // A pointer on the centre gives the throw no direction; the boomerang refuses it, so no toss either.
    if (boomerang.ready && boomerang.cooldownTimer > static_cast<float>(boomerang.cooldown) && mouse != centre()) {
        if (isOneOf(animName, {"StandingLeft", "StandingRight"}))
            animName = x <= mouse.x ? "StandingRightTossing" : "StandingLeftTossing";
        else
            applyRename(animName, {{"RunningLeft", "RunningLeftTossing"},
                                   {"RunningRight", "RunningRightTossing"},
                                   {"JumpingLeft", "JumpingLeftTossing"},
                                   {"JumpingLeftRunning", "JumpingLeftTossing"},
                                   {"FallingLeft", "JumpingLeftTossing"},
                                   {"JumpingRight", "JumpingRightTossing"},
                                   {"JumpingRightRunning", "JumpingRightTossing"},
                                   {"FallingRight", "JumpingRightTossing"}});
    }
    boomerang.throwAt(controls.aim, centre());
}

void Player::moveAndResolve(ObjectList& list, float dx, float dy) {
    if (!horizontalEnabled) dx = 0;
    horizontalEnabled = true;
    if (dy > 0) ceilingSlide = 0;
    prevX = x;
    prevY = y;

    // Resting on the ground absorbs small vertical speeds.
    if (-1 < dy && dy < 1 && probe(list, x, y + 1, 0, dy).hit) dy = 0;
    const CollisionHit under = probe(list, x, y + 1, 0, 1);
    if (under.hit && isVerticalPlatform(under.kind)) y = static_cast<float>(under.hitY) - height;
    y += dy;

    const CollisionHit support = probe(list, x, y + static_cast<float>(2 * hillwalk), 0, 1);
    slideAlongCeiling(list, dx, dy);
    if (!support.hit) {
        if (facing == Facing::Left && (animName == "RunningLeft" || prevAnimName == "RunningLeft")) animName = "FallingLeft";
        if (facing == Facing::Right && (animName == "RunningRight" || prevAnimName == "RunningRight")) animName = "FallingRight";
    }

    const CollisionHit vert = probe(list, x, y, 0, dy);
    if (horizontalEnabled && vert.hit) {
        if (dy > 0) y = static_cast<float>(vert.hitY) - height;
        if (dy < 0) y = static_cast<float>(vert.hitY + 1);
        fallAccel = 0;
        // A platform moving down takes the player along.
        vy = vert.speedY > 0 ? vert.speedY : 0;
    }

    x += dx;
    stepDownOrUp(list, dx, dy);
}

void Player::slideAlongCeiling(const ObjectList& list, float& dx, float dy) {
    if (!(dy < 0) || ceilingSlide >= 50 || !probe(list, x, y, 0, dy).hit) return;
    const bool rightFree = !probe(list, x - vy, y, 1, 0).hit;
    const bool leftFree = !probe(list, x + vy, y, -1, 0).hit;
    if (rightFree) {
        x -= vy;
        ceilingSlide += static_cast<int>(-vy);
        animName = "JumpingRightRunning";
        facing = Facing::Right;
        dx = 0;
        horizontalEnabled = false;
    }
    if (leftFree) {
        x += vy;
        ceilingSlide += static_cast<int>(-vy);
        animName = "JumpingLeftRunning";
        facing = Facing::Left;
        dx = 0;
        horizontalEnabled = false;
    }
}

void Player::stepDownOrUp(const ObjectList& list, float dx, float dy) {
    const bool wallRight = probe(list, x + 1, y, dx, 0).hit;
    const bool wallLeft = probe(list, x - 1, y, dx, 0).hit;
    // A zero direction never hits: no slope-following while rising or standing still.
    const float followDown = dy != 0 && vy >= 0 ? 1.0f : 0.0f;
    const bool below = probe(list, x, y + 5, 0, followDown).hit;
    if (!wallRight && !wallLeft && below) {
        for (int i = 0; i < hillwalk / 2; ++i)
            if (!probe(list, x, y + 1, 0, dy).hit) y += 1;
    }

    const CollisionHit wall = probe(list, x, y, dx, 0);
    if (!wall.hit) return;
    for (int i = 0; i < hillwalk; ++i) {
        if (!probe(list, x, y - static_cast<float>(i), dx, 0).hit) {
            y -= static_cast<float>(i);
            return;
        }
    }
    if (dx > 0) x = static_cast<float>(wall.hitX) - width;
    if (dx < 0) x = static_cast<float>(wall.hitX + 1);
}

void Player::draw(GameWindow& window) {
    rowOffset = carriedKey != -1 ? 12 : 0;
    now = clock.elapsedSeconds();
    if (animName != prevAnimName) {
        animation.imageIndex = 0;
        // Between airborne strips the frame index carries on.
        if (!(isAirborne(animName) && isAirborne(prevAnimName))) animation.nextFrame = 0;
        if (isOneOf(animName, {"JumpingLeft", "JumpingLeftRunning", "JumpingRight", "JumpingRightRunning"}) &&
            isOneOf(prevAnimName, {"JumpingLeftTossing", "JumpingRightTossing"}))
            animation.nextFrame = 4;
    }
    endOneShotAnimations();

    AnimationRow row;
    if (lookupAnimation(animName, carriedKey != -1, row)) {
        sheetSprite.flipX = row.mirrored;
        sheetSprite2.flipX = row.mirrored;
        animate(animation, sheetSprite, sheetSprite2, frameWidth, frameHeight, row.row + rowOffset, row.frames, window,
                x - 80, y, false, row.periodFactor / animationFps);
    }
    prevAnimName = animName;
    boomerang.draw(window);
}

void Player::endOneShotAnimations() {
    // Renamed without a restart: prevAnimName takes the new name at the end of this draw.
    const int next = animation.nextFrame, shown = animation.shownFrame;
    if (next == 3)
        applyRename(animName, {{"RunningRightTossing", "StandingRight"},
                               {"RunningLeftTossing", "StandingLeft"},
                               {"JumpingRightTossing", "JumpingRight"},
                               {"JumpingLeftTossing", "JumpingLeft"}});
    if (next == 8)
        applyRename(animName, {{"StandingRightTossing", "StandingRight"}, {"StandingLeftTossing", "StandingLeft"}});
    if (next == 0 && shown == 2)
        applyRename(animName, {{"JumpingRightRunning", "FallingRight"}, {"JumpingLeftRunning", "FallingLeft"}});
    if (next == 0 && shown == 3)
        applyRename(animName, {{"JumpingRight", "FallingRight"}, {"JumpingLeft", "FallingLeft"}});
}
