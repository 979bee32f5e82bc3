#pragma once
// The how-to-play screen reached from the title: five pages shown on
// "MidGround", turned with A/D, the arrow keys or the stick; Escape or pad B
// goes back to the title. The ribbon sways; nothing reacts until the wipe has
// opened the screen. A foot line names the keys as player 1 has them bound,
// and the keyboard pages' legends each player's keys as bound.

#include "api/script_api.h"
#include "api/script_ref.h"
#include "game/menus/control_prompts.h"
#include "game/menus/oscillator.h"
#include "game/pause/key_legend.h"

class Transition;

class HowToPlayScript : public Engine::ScriptBase<HowToPlayScript> {
public:
    static constexpr float kSwayRate = 0.15f;
    static constexpr float kSwaySeconds = 2.0f;
    static constexpr int32_t kHintLayer = 4;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // The key line at the page's foot.
    Engine::GameObj* HintLine() const { return hint_.Get(); }
    // The keyboard pages' legend, written with the keys as bound.
    const HowToPlayPages::KeyLegend& Legend() const { return legend_; }

    int page = 0;

private:
    void Show(int newPage);

    api::ScriptRef<Transition> wipe_;
    api::ObjectRef midGround_;
    api::ObjectRef ribbon_;
    api::MenuInput menu_{{1}};
    Oscillator sway_{kSwaySeconds};
    ControlPrompts::HintLabel hint_;
    HowToPlayPages::KeyLegend legend_;
    bool leaving_ = false;
};
