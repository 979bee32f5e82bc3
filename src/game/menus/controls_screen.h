#pragma once
// The controls screen of the options: the controls page (ControlsEditor) on
// its own level, its rows made from the column headings the level places
// ("P1Heading", "P2Heading"). Keeping or backing out returns to the options.

#include "api/script_api.h"
#include "api/script_ref.h"
#include "game/menus/controls_editor.h"

class Transition;

class ControlsScreen : public Engine::ScriptBase<ControlsScreen> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    ControlsEditor editor;

private:
    api::ScriptRef<Transition> wipe_;
    bool leaving_ = false;
};
