#pragma once
// The quit question: "Yes" ends the program, "No" (selected at first) goes back
// to the title screen. Either player may answer. Waits until the wipe has opened
// the screen; a level without a wipe never reacts.

#include "api/menu_pad.h"
#include "game/menus/oscillator.h"
#include "logic/scripts.h"

class Transition;

class Confirmation : public Engine::ScriptBase<Confirmation> {
public:
    static constexpr float kPulseRate = 1.0f;
    static constexpr float kPulseSeconds = 1.0f;

    explicit Confirmation(Engine::GameObj* owner = nullptr);

    void Init() override;
    void Update(float dt) override;

    bool yesSelected = false;

private:
    void SelectYes();
    void SelectNo();

    Engine::GameObj* yes_ = nullptr;
    Engine::GameObj* no_ = nullptr;
    Engine::GameObj* arrow_ = nullptr;
    Transition* wipe_ = nullptr;
    MenuPad pad1_{1};
    MenuPad pad2_{2};
    Oscillator pulse_{kPulseSeconds};
};
