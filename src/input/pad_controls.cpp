#include "input/pad_controls.h"

namespace Engine {

namespace {
bool StickBeyond(const Gamepad& pad, int control) {
    if (pad.LeftStickInDeadZone()) return false;
    switch (control) {
        case kPadStickLeft: return pad.LeftStickX() < -kStickActionThreshold;
        case kPadStickRight: return pad.LeftStickX() > kStickActionThreshold;
        case kPadStickUp: return pad.LeftStickY() > kStickActionThreshold;
        case kPadStickDown: return pad.LeftStickY() < -kStickActionThreshold;
        default: return false;
    }
}
}  // namespace

bool PadControlDown(const Gamepad& pad, int control) {
    if (control >= 0 && control < kGamepadButtonCount) return pad.IsButtonDown(control);
    if (control == kPadLeftTrigger) return pad.leftTrigger;
    if (control == kPadRightTrigger) return pad.rightTrigger;
    return StickBeyond(pad, control);
}

bool PadControlTriggered(Gamepad& pad, int control) {
    if (control >= 0 && control < kGamepadButtonCount) return pad.IsButtonTriggered(control);
    if (control == kPadLeftTrigger) return pad.IsLeftTriggerTriggered();
    if (control == kPadRightTrigger) return pad.IsRightTriggerTriggered();
    return StickBeyond(pad, control);
}

}  // namespace Engine
