#pragma once
// The story map's pointer: the d-pad or the arrow keys step through the map's
// four places, coming round at both ends; each place moves the pointer onto
// its map object and shows its picture on "Blank". P starts the opening story
// wherever the pointer stands; pad A enters the place under the pointer, and
// only the forest (place 1) is open: the others show "coming soon" and answer
// A with the back sound. Escape or pad B goes back to the title.

#include "api/script_api.h"

class LSPointer : public Engine::ScriptBase<LSPointer> {
public:
    static constexpr int kPlaces = 4;

    using ScriptBase::ScriptBase;

    void Update(float dt) override;

    // 1..kPlaces.
    int index = 1;

private:
    void ShowPlace();

    MenuPad pad_{1};
};

// One step of the pointer's index within 1..count: past either end it comes
// round to the other.
int StepWithin(int index, int step, int count);
