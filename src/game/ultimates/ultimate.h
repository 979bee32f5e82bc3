#pragma once
// What every ultimate skill is to the bird that owns it: the bird's controls set
// `activate` when the player fires the ultimate, and the ultimate clears it once
// its move is over. The bird finds its ultimate as this base, whichever it is.

#include "api/script.h"

namespace ultimates {

class Ultimate : public Engine::Scripts {
public:
    explicit Ultimate(Engine::GameObj* owner_ = nullptr) : Scripts(owner_) {}
    // An ultimate acts only while the match runs, never while it is paused.
    void AlwaysUpdate(float) override {}
    bool activate = false;
};

}  // namespace ultimates
