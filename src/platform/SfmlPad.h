#pragma once

#include "platform/Input.h"

// The first gamepad the multimedia library sees, plugged in before the start or at any time
// after. Its buttons are numbered as the Linux joystick driver lists them (south, east, west,
// north, shoulders, back, start); its triggers are axes Z and R, which many pads report as
// -100 when let go and others as 0, so each trigger's rest is learnt from what it reports.
class SfmlPad {
public:
    PadState read();

private:
    unsigned id_ = 0;
    bool connected_ = false;
    bool restsLow_[2] = {};  // left and right trigger
};
