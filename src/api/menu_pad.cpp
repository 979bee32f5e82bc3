#include "api/menu_pad.h"

#include "input/pad_controls.h"

bool MenuPad::Triggered(int control) { return connected_ && Engine::PadControlTriggered(gamepad, control); }

void MenuPad::Poll(float dt) {
    connected_ = gamepad.IsConnected();
    if (!connected_) return;
    gamepad.Poll();
    if (gamepad.LeftStickInDeadZone()) return;
    const float x = gamepad.LeftStickX();
    const float y = gamepad.LeftStickY();
    bool* request = nullptr;
    if (y > kStickThreshold)
        request = &upRequest;
    else if (y < -kStickThreshold)
        request = &downRequest;
    else if (x < -kStickThreshold)
        request = &leftRequest;
    else if (x > kStickThreshold)
        request = &rightRequest;
    if (!request) return;
    repeatTimer -= dt;
    if (repeatTimer <= kTimerMargin) *request = true;
}

void MenuPad::TakeMove() {
    upRequest = downRequest = leftRequest = rightRequest = false;
    repeatTimer = kRepeatSeconds;
}
