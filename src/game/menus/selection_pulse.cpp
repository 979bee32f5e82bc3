#include "game/menus/selection_pulse.h"

void SelectionPulse::Reset(std::vector<api::ObjectRef> entries, api::ObjectRef pointer) {
    entries_ = std::move(entries);
    pointer_ = pointer;
    pointerX_ = api::Position(pointer_.Get()).x;
    selected_ = 0;
    Engine::GameObj* first = entry(0);
    home_ = api::Position(first);
    homeScale_ = api::Scale(first);
    pulse_.Restart();
}

Engine::GameObj* SelectionPulse::entry(int index) const {
    return index >= 0 && index < count() ? entries_[index].Get() : nullptr;
}

void SelectionPulse::Select(int index) {
    if (count() == 0) return;
    index = index < 0 ? 0 : (index >= count() ? count() - 1 : index);
    if (Engine::GameObj* previous = entry(selected_)) {
        api::SetPosition(previous, home_);
        api::SetScale(previous, homeScale_);
    }
    // Leaving the first entry puts the pointer back on its own column.
    Engine::GameObj* pointer = pointer_.Get();
    if (selected_ == 0 && index == 1 && pointer) api::SetPosition(pointer, {pointerX_, api::Position(pointer).y});
    selected_ = index;
    if (Engine::GameObj* next = entry(selected_)) {
        home_ = api::Position(next);
        homeScale_ = api::Scale(next);
        if (pointer) api::SetPosition(pointer, {api::Position(pointer).x, home_.y});
    }
    pulse_.Restart();
}

void SelectionPulse::Step(float dt) {
    Engine::GameObj* selectedEntry = entry(selected_);
    if (!selectedEntry) return;
    const float direction = pulse_.Step(dt);
    api::SetScale(selectedEntry, api::Scale(selectedEntry) + Engine::vec2{rateX_ * dt * direction, rateY_ * dt * direction});
}
