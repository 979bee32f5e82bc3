#pragma once
// The title screen: six entries from "Play" to "Quit" walked with W/S, the d-pad
// or the stick, confirmed with F or button A. The selected entry shows its red
// texture and pulses; the arrow follows it; two birds and a ribbon sway behind.
// Starts the menu music unless it is already playing.

#include <array>
#include <string>

#include "api/script_api.h"
#include "api/script_ref.h"
#include "game/menus/oscillator.h"
#include "game/menus/selection_pulse.h"

class Transition;

class MainMenu : public Engine::ScriptBase<MainMenu> {
public:
    struct Entry {
        const char* object;
        const char* selectedTexture;
        const char* otherTexture;
        const char* leavesTo;  // level-path key
    };
    static const std::array<Entry, 6> kEntries;

    static constexpr float kSwayRate = 0.15f;
    static constexpr float kSwaySeconds = 2.0f;
    static constexpr float kPulseRateX = 1.6f;
    static constexpr float kPulseRateY = 0.8f;
    static constexpr float kPulseSeconds = 1.0f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // Index into kEntries of the selected entry.
    int selected() const;

private:
    void Select(int index);
    void Sway(float dt);

    api::ScriptRef<Transition> wipe_;
    api::ObjectRef zora_;
    api::ObjectRef vidi_;
    api::ObjectRef ribbon_;
    // Pad 1 and the menu keys; button A confirms when it comes up.
    api::MenuInput menu_{{1}, {}, true};
    SelectionPulse selection_{kPulseRateX, kPulseRateY, kPulseSeconds};
    Oscillator sway_{kSwaySeconds};
};
