#pragma once
// A piece of space debris ("L4Cloud"): drifts left across the screen and wraps
// around; every fifth piece is a meteor that, after a few seconds, falls
// diagonally with a glowing trail and, each time it comes round again, is
// announced by a "!" sign at the top of the screen. Touching it kills an
// unprotected bird.

#include <array>

#include "api/script_api.h"

class L4Debris : public Engine::ScriptBase<L4Debris> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    static constexpr uint32_t kDebrisColor = 0xFF5C5CCD;
    static constexpr uint32_t kTrailColor = 0x44FFFFFF;

    float spin = 0.2f;
    bool meteor = false;
    float warnTimer = 0.0f;
    std::array<api::ObjectRef, 2> trails;
    api::ObjectRef sign;
    float vx = 3.0f;
    float vy = 0.0f;

private:
    void PlaceTrails();
};
