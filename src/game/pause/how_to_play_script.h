#pragma once
// The how-to-play screen reached from the title: five pages shown on
// "MidGround", turned with A/D, the arrow keys or the stick; Escape or pad B
// goes back to the title. The ribbon sways; nothing reacts until the wipe has
// opened the screen.

#include "api/script_api.h"
#include "game/menus/oscillator.h"

class Transition;

class HowToPlayScript : public Engine::ScriptBase<HowToPlayScript> {
public:
    static constexpr float kSwayRate = 0.15f;
    static constexpr float kSwaySeconds = 2.0f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    int page = 0;

private:
    void Show(int newPage);

    Transition* wipe_ = nullptr;
    api::ObjectRef midGround_;
    api::ObjectRef ribbon_;
    api::MenuInput menu_{{1}};
    Oscillator sway_{kSwaySeconds};
    bool leaving_ = false;
};
