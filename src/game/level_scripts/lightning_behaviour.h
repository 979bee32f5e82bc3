#pragma once
// The UFO's beam: drawn behind the level, it kills every bird it touches that
// is not immune.

#include "api/script.h"

class LightningBehaviour : public Engine::ScriptBase<LightningBehaviour> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
};
