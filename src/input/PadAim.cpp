#include "input/PadAim.h"

#include "input/PadControls.h"

void PadAim::update(const PadState& pad, bool facingRight) {
    const bool turned = facingRight != facingRight_;
    facingRight_ = facingRight;
    if (const auto stick = padControls::aimDirection(pad)) last_ = *stick;
    else if (last_ && turned && last_->x != 0 && (last_->x > 0) != facingRight) last_->x = -last_->x;
}
