#pragma once
// The options screen: a volume slider, a mute box, a full-screen box, music and
// effects sliders and a vsync box, walked
// with W/S, the d-pad or the stick; A/D (or the arrows, or the stick) move the
// slider, F or button A toggles, Escape or button B goes back to the title, C
// or a pad's Y opens the controls screen. Leaving writes the settings file when
// anything in it changed.

#include <array>

#include "api/script_api.h"
#include "api/script_ref.h"
#include "game/menus/oscillator.h"
#include "game/menus/selection_pulse.h"

class Transition;

class Option : public Engine::ScriptBase<Option> {
public:
    enum EntryIndex { kVolume = 0, kMute = 1, kFullScreen = 2, kMusic = 3, kEffects = 4, kVsync = 5 };

    static constexpr float kSliderSpan = 10.0f;     // world units from volume 0 to volume 1
    static constexpr float kTickAwayOffset = 30.0f;  // where the mute tick waits when unticked
    static constexpr float kSwayRate = 0.15f;
    static constexpr float kSwaySeconds = 2.0f;
    static constexpr float kPulseRateX = 0.8f;
    static constexpr float kPulseRateY = 0.4f;
    static constexpr float kPulseSeconds = 1.0f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    int selected() const { return selection_.selected(); }
    bool muteChecked = false;

private:
    // The volume sliders: master, music, effects.
    struct Slider {
        api::ObjectRef knob;
        api::ObjectRef track;
        void (*apply)(float volume);
    };
    // Moves the slider a tenth of the track; false when that would leave the track.
    bool MoveSlider(Slider& slider, float direction);
    static float TrackLeft(const Slider& slider);
    static float TrackRight(const Slider& slider);
    // The slider of the selected entry, or null.
    Slider* SelectedSlider();
    void PlaceTick();
    void ShowTick(const api::ObjectRef& tick, bool shown);
    void Confirm();
    void Back();

    api::ScriptRef<Transition> wipe_;
    std::array<Slider, 3> sliders_{};
    api::ObjectRef muteTick_;
    api::ObjectRef muteBox_;
    api::ObjectRef fullScreenTick_;
    api::ObjectRef vsyncTick_;
    api::ObjectRef ribbon_;
    api::MenuInput menu_{{1}};
    SelectionPulse selection_{kPulseRateX, kPulseRateY, kPulseSeconds};
    Oscillator sway_{kSwaySeconds};
};
