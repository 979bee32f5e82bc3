#pragma once
// A background star that grows for a second and a half and shrinks for as long.

#include "api/script.h"

class Star : public Engine::ScriptBase<Star> {
public:
    using ScriptBase::ScriptBase;
    void Init() override;
    void Update(float dt) override;

    float scale = 0.1f;
    float elapsed = 0.0f;
};
