#pragma once
// One player's controller as the menus read it: the d-pad and buttons as the
// Gamepad reports them, plus the held-stick repeat. A stick held beyond 0.8 in
// one direction counts down the repeat wait and raises that direction's request
// once 0.1 s of holding has gathered; the menu takes a request by calling
// TakeMove(), which is the only thing that restarts the wait. Letting the stick
// rest does not: a quick flick after a handled move still waits out the rest.

#include "input/gamepad.h"

class MenuPad {
public:
    static constexpr float kRepeatSeconds = 0.1f;
    static constexpr float kStickThreshold = 0.8f;
    // Six frames of 1/60 s leave a few billionths of the 0.1 s in floats; without
    // this margin the repeat would take a seventh frame.
    static constexpr float kTimerMargin = 1e-4f;

    explicit MenuPad(int playerNumber) : gamepad(playerNumber) {}

    // Reads the controller (only when one is connected) and advances the repeat.
    void Poll(float dt);
    // Clears every request and restarts the repeat wait: a move was handled.
    void TakeMove();

    // Any pad control (action_map.h); a release is a button's only.
    bool Triggered(int control);
    bool Released(int button) { return connected_ && gamepad.IsButtonReleased(button); }

    Engine::Gamepad gamepad;
    float repeatTimer = kRepeatSeconds;
    bool upRequest = false;
    bool downRequest = false;
    bool leftRequest = false;
    bool rightRequest = false;

private:
    bool connected_ = false;
};
