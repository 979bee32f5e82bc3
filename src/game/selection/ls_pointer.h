#pragma once
// The story map's pointer: the d-pad or the arrow keys step through eight
// places (wrapping round at both ends); the first four stand on the map objects
// and show their picture on "Blank". P or pad A on the forest (place 1) starts
// the opening story; Escape or pad B goes back to the title.

#include "api/script_api.h"

class LSPointer : public Engine::ScriptBase<LSPointer> {
public:
    static constexpr int kPlaces = 8;

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
