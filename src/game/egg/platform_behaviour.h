#pragma once
// A moving platform: parked once it reaches the far bound.

#include <cstdint>

#include "api/script.h"

class PlatformBehaviour : public Engine::ScriptBase<PlatformBehaviour> {
public:
    using ScriptBase::ScriptBase;

    void OnCollisionEnter(Engine::GameObj* other) override;
    // Parked and still.
    void Leave();

    bool moving = false;
    int32_t moveDirection = 1;
};
