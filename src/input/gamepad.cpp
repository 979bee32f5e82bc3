#include "input/gamepad.h"

#include "input/input.h"

namespace Engine {

namespace {

bool InputActive() { return Input::instance && Input::instance->active; }

bool InDeadZone(int16_t axis) { return axis >= -Gamepad::kDeadZone && axis <= Gamepad::kDeadZone; }

constexpr float kAxisScale = 1.0f / 32768.0f;

}  // namespace

uint16_t MotorSpeed(float fraction) {
    if (!(fraction > 0.0f)) return 0;  // also NaN
    if (fraction >= 1.0f) return 65535;
    return static_cast<uint16_t>(fraction * 65535.0f);
}

void Gamepad::Poll() {
    if (!InputActive()) return;
    previousButtons = buttons;
    previousLeftTrigger = leftTrigger;
    previousRightTrigger = rightTrigger;
    state = GamepadState{};
    Input::instance->Pads().Read(userIndex, state);  // absent: stays zero
    for (int i = 0; i < kGamepadButtonCount; ++i)
        buttons[i] = (state.buttons & kGamepadButtonMasks[i]) == kGamepadButtonMasks[i];
    leftTrigger = state.leftTrigger > 0;
    rightTrigger = state.rightTrigger > 0;
}

bool Gamepad::IsButtonDown(int button) const {
    return InputActive() && ValidButton(button) && buttons[button];
}

bool Gamepad::IsButtonTriggered(int button) {
    if (!InputActive() || !ValidButton(button)) return false;
    if (!buttons[button] || previousButtons[button]) return false;
    previousButtons[button] = true;
    return true;
}

bool Gamepad::IsButtonReleased(int button) {
    if (!InputActive() || !ValidButton(button)) return false;
    if (buttons[button] || !previousButtons[button]) return false;
    previousButtons = buttons;
    return true;
}

bool Gamepad::IsATriggered() const {
    return InputActive() && buttons[kButtonA] && !previousButtons[kButtonA];
}

bool Gamepad::IsLeftTriggerTriggered() {
    if (!InputActive() || !leftTrigger || leftTrigger == previousLeftTrigger) return false;
    previousLeftTrigger = leftTrigger;
    return true;
}

bool Gamepad::IsRightTriggerTriggered() {
    if (!InputActive() || !rightTrigger || rightTrigger == previousRightTrigger) return false;
    previousRightTrigger = rightTrigger;
    return true;
}

float Gamepad::LeftStickX() const { return InputActive() ? state.thumbLX * kAxisScale : 0.0f; }

float Gamepad::LeftStickY() const { return InputActive() ? state.thumbLY * kAxisScale : 0.0f; }

bool Gamepad::LeftStickInDeadZone() const {
    return InputActive() && InDeadZone(state.thumbLX) && InDeadZone(state.thumbLY);
}

void Gamepad::Vibrate(float left, float right) const {
    if (!Input::instance) return;
    Input::instance->Pads().SetMotors(userIndex, MotorSpeed(left), MotorSpeed(right));
}

bool Gamepad::IsConnected() const {
    if (!Input::instance) return false;
    GamepadState ignored;
    return Input::instance->Pads().Read(userIndex, ignored);
}

}  // namespace Engine
