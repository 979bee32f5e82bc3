#pragma once
// A sign that blinks every half second for 3.5 s and then stays hidden.

#include "api/script_api.h"

class Indicator : public Engine::ScriptBase<Indicator> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    static constexpr float kShowTime = 3.5f;
    static constexpr float kBlink = 0.5f;

    float blinkTimer = 0.0f;
    float remaining = 0.0f;
    bool visible = false;
};
