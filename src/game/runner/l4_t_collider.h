#pragma once
// Remembers touching "B1" and from then on turns it 10 degrees every frame.

#include "api/script_api.h"

class L4TCollider : public Engine::ScriptBase<L4TCollider> {
public:
    using ScriptBase::ScriptBase;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    bool touched = false;
    api::ObjectRef b1;
};
