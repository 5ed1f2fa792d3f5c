#include "platform/SfmlPad.h"

#include <SFML/Window/Joystick.hpp>

namespace {
// A pad that rests at -100 goes below this long before it is pulled halfway.
constexpr float kLowRest = -50;
}  // namespace

PadState SfmlPad::read() {
    sf::Joystick::update();
    if (!connected_ || !sf::Joystick::isConnected(id_)) {
        connected_ = false;
        for (unsigned id = 0; id < sf::Joystick::Count && !connected_; ++id)
            if (sf::Joystick::isConnected(id)) {
                id_ = id;
                connected_ = true;
                restsLow_[0] = restsLow_[1] = false;
            }
        if (!connected_) return PadState{};
    }
    using J = sf::Joystick;
    const auto axis = [&](J::Axis a) { return J::hasAxis(id_, a) ? J::getAxisPosition(id_, a) : 0.f; };
    PadState pad;
    pad.connected = true;
    pad.leftX = axis(J::X);
    pad.leftY = axis(J::Y);
    pad.rightX = axis(J::U);
    pad.rightY = axis(J::V);
    pad.dpadX = axis(J::PovX);
    pad.dpadY = axis(J::PovY);
    const J::Axis triggers[2] = {J::Z, J::R};
    float* travel[2] = {&pad.leftTrigger, &pad.rightTrigger};
    for (int t = 0; t < 2; ++t) {
        const float value = axis(triggers[t]);
        if (value < kLowRest) restsLow_[t] = true;
        *travel[t] = restsLow_[t] ? (value + 100) / 2 : (value > 0 ? value : 0);
    }
    for (int b = 0; b < static_cast<int>(PadButton::Count); ++b)
        pad.setButton(static_cast<PadButton>(b), J::isButtonPressed(id_, static_cast<unsigned>(b)));
    return pad;
}
