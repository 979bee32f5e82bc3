#pragma once
// A vertical menu's selected entry: it grows and shrinks in place, goes back to
// where and how big it was when another entry is chosen, and a pointer beside it
// follows its height. The title screen and the options screen both work this way.

#include <vector>

#include "api/script_api.h"
#include "game/menus/oscillator.h"

class SelectionPulse {
public:
    // Scale change per second along x and y while growing, and how long a grow lasts.
    SelectionPulse(float rateX, float rateY, float seconds) : rateX_(rateX), rateY_(rateY), pulse_(seconds) {}

    // Takes the entries and the pointer of a freshly loaded screen; the first entry is selected.
    void Reset(std::vector<api::ObjectRef> entries, api::ObjectRef pointer);
    // Puts the selected entry back and selects `index` (clamped to the entries).
    void Select(int index);
    // Grows or shrinks the selected entry for this frame.
    void Step(float dt);

    int selected() const { return selected_; }
    int count() const { return static_cast<int>(entries_.size()); }
    Engine::GameObj* entry(int index) const;

private:
    std::vector<api::ObjectRef> entries_;
    api::ObjectRef pointer_;
    float pointerX_ = 0.0f;
    int selected_ = 0;
    // Where the selected entry stood and how big it was when it was selected.
    Engine::vec2 home_;
    Engine::vec2 homeScale_;
    float rateX_;
    float rateY_;
    Oscillator pulse_;
};
