#pragma once
// The quit question: "Yes" ends the program, "No" (selected at first) goes back
// to the title screen. Either player may answer. Waits until the wipe has opened
// the screen; a level without a wipe never reacts.

#include "api/script_api.h"
#include "api/script_ref.h"
#include "game/menus/oscillator.h"

class Transition;

class Confirmation : public Engine::ScriptBase<Confirmation> {
public:
    static constexpr float kPulseRate = 1.0f;
    static constexpr float kPulseSeconds = 1.0f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    bool yesSelected = false;

private:
    // Selects "Yes" (true) or "No": its red picture, its size, the arrow beside it.
    void Show(bool yes);

    api::ObjectRef yes_;
    api::ObjectRef no_;
    api::ObjectRef arrow_;
    api::ScriptRef<Transition> wipe_;
    // Either player answers; button A counts when it comes up.
    api::MenuInput menu_{{1, 2}, {}, true};
    Oscillator pulse_{kPulseSeconds};
};
