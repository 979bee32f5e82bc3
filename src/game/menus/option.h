#pragma once
// The options screen: a volume slider, a mute box and a full-screen box, walked
// with W/S, the d-pad or the stick; A/D (or the arrows, or the stick) move the
// slider, F or button A toggles, Escape or button B goes back to the title.
// Volume and mute go to the sound system, which saves them at exit.

#include <array>

#include "core/maths.h"
#include "api/menu_pad.h"
#include "game/menus/oscillator.h"
#include "logic/scripts.h"

class Transition;

class Option : public Engine::ScriptBase<Option> {
public:
    enum EntryIndex { kVolume = 0, kMute = 1, kFullScreen = 2 };

    static constexpr float kSliderSpan = 10.0f;     // world units from volume 0 to volume 1
    static constexpr float kTickAwayOffset = 30.0f;  // where the mute tick waits when unticked
    static constexpr float kSwayRate = 0.15f;
    static constexpr float kSwaySeconds = 2.0f;
    static constexpr float kPulseRateX = 0.8f;
    static constexpr float kPulseRateY = 0.4f;
    static constexpr float kPulseSeconds = 1.0f;

    explicit Option(Engine::GameObj* owner = nullptr);

    void Init() override;
    void Update(float dt) override;

    int selected = kVolume;
    bool muteChecked = false;

private:
    void Select(int index);
    // Moves the slider a tenth of the track; false when that would leave the track.
    bool MoveSlider(float direction);
    float TrackLeft() const;
    float TrackRight() const;
    void PlaceTick();
    void ShowFullScreenTick(bool shown);
    void Confirm();
    void Back();

    Transition* wipe_ = nullptr;
    Engine::GameObj* selector_ = nullptr;
    std::array<Engine::GameObj*, 3> entries_{};
    Engine::GameObj* slider_ = nullptr;
    Engine::GameObj* track_ = nullptr;
    Engine::GameObj* muteTick_ = nullptr;
    Engine::GameObj* muteBox_ = nullptr;
    Engine::GameObj* fullScreenTick_ = nullptr;
    Engine::GameObj* ribbon_ = nullptr;
    float selectorX_ = 0.0f;
    Engine::vec2 selectedPosition_;
    Engine::vec2 selectedScale_;
    MenuPad pad_{1};
    Oscillator sway_{kSwaySeconds};
    Oscillator pulse_{kPulseSeconds};
};
