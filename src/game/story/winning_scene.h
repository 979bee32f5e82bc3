#pragma once
// A bird on a result level that bobs: a quarter second up at 2 units per
// second, a quarter second down, by its body's velocity (the owner needs a
// RigidBody; give it no gravity so it stays in place).

#include "api/script_api.h"

class WinningScene : public Engine::ScriptBase<WinningScene> {
public:
    enum class Phase { Rising, Sinking };
    static constexpr float kSpeed = 2.0f;
    static constexpr float kRiseSeconds = 0.25f;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    Phase phase = Phase::Rising;
    float timer = 0.0f;
};
