#pragma once
// The boss's final explosion: it blows every bird it reaches off the screen,
// spinning, away from its centre.

#include "api/object_ref.h"
#include "api/script.h"

class ZurododavadExplosion : public Engine::ScriptBase<ZurododavadExplosion> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kSpin = 500.0f;  // degrees per second

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    api::ObjectRef player1, player2;
    // The birds set spinning (their transforms turn every frame).
    api::ObjectRef spin1, spin2;
};
