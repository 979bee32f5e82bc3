#pragma once
// The versus splash between level selection and the match: both chosen birds
// slide in from the sides under the level's title images; after three seconds
// the menu music is told to play its ending, and once it has stopped (or when
// there is no music at all) the chosen level opens. Escape or pad B goes back
// to the level selection.

#include <array>

#include "api/script_api.h"
#include "api/script_ref.h"

class Transition;

class VSscreen : public Engine::ScriptBase<VSscreen> {
public:
    static constexpr float kWaitSeconds = 3.0f;
    // Where the birds stop, as a fraction of the backdrop's width from its centre.
    static constexpr float kTargetFraction = 0.43478262f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    float timer = kWaitSeconds;
    bool musicToldToEnd = false;
    bool leaving = false;
    // The chosen level has no file: the screen stays (Escape still goes back).
    bool nextMissing = false;
    // The level key the screen leads to.
    const char* nextKey = nullptr;

private:
    struct Slider {
        api::ObjectRef bird;
        float target = 0.0f;
        float distance = 0.0f;
    };
    void Slide(Slider& slider, float dt);

    api::ScriptRef<Transition> wipe_;
    std::array<Slider, 2> birds_;
    api::MenuInput menu_{{1, 2}};
};
