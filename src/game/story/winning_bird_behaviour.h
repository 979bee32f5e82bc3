#pragma once
// A bird on a result level that turns to and fro: two seconds facing the way
// the level placed it, two seconds the other way.

#include "api/script_api.h"

class WinningBirdBehaviour : public Engine::ScriptBase<WinningBirdBehaviour> {
public:
    static constexpr float kHalfTurn = 2.0f;
    static constexpr float kFullTurn = 4.0f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    float timer = 0.0f;
    float scaleX = 0.0f;  // as placed
};
