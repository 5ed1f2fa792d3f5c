#pragma once

#include "pictures/Canvas.h"

// The hero: a small pencil figure with a long red scarf, facing right. A pose is given in
// the coordinates of one 200 x 100 sheet frame, whose collision box spans x 80..120 and
// y 0..90 (feet on y 90). Angles are radians from straight down, positive towards +x.
struct Limb {
    float upper = 0, lower = 0;
};

struct Scarf {
    float rootAngle = -0.4f;  // where the loose end leaves the neck
    float tipAngle = -0.2f;   // where it points at its end
    float wave = 0.1f;        // how much it ripples
    float phase = 0;          // 0..1 through one ripple
};

struct Pose {
    Vec2 hip{98, 51};
    float lean = 0.05f;  // torso, from upright, positive leaning forward
    float headTilt = 0;
    Limb nearLeg, farLeg, nearArm, farArm;
    Scarf scarf;
    bool carriesKey = false;
    bool blink = false;
    float throwArc = 0;  // > 0 draws swish marks behind the throwing hand
    float breath = 0;    // pixels the chest rises
};

// Ankle height of a standing figure's lowest foot.
constexpr float kGroundAnkleY = 87.5f;

// Moves the pose up or down so that its lower ankle rests on the ground.
void groundPose(Pose& pose);

// Draws the figure into `c`: frame coordinates are scaled by `scale` about the frame's
// foot point (100, 90), which lands on `feet`.
void drawFigure(Canvas& c, const Pose& pose, Vec2 feet, float scale);
