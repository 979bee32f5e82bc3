#pragma once
// The level selection's selector: A/D, the d-pad or the stick of pad 1 move it
// between x = -6, 0 and 6 (the three level slots). Escape or pad B goes back to
// the bird selection.

#include "api/script_api.h"
#include "api/script_ref.h"

class Transition;

class LevelSelector : public Engine::ScriptBase<LevelSelector> {
public:
    static constexpr float kStep = 6.0f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

private:
    api::ScriptRef<Transition> wipe_;
    api::MenuInput menu_;
    bool leaving_ = false;
};
