#pragma once
// A bug with a fuse: the bird that touches it arms it, and three seconds later
// the other bird dies.

#include "api/object_ref.h"
#include "api/script.h"

class ExplosionBugBehaviour : public Engine::ScriptBase<ExplosionBugBehaviour> {
public:
    using ScriptBase::ScriptBase;
    static constexpr float kFuse = 3.0f;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    api::ObjectRef player1, player2;
    bool armed = false;
    bool touchedByPlayer1 = false;
    float countdown = kFuse;
};
