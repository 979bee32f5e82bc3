#pragma once
// A hazard of the level file: an unprotected bird that touches it dies.

#include "api/script_api.h"

class BossBarrier : public Engine::ScriptBase<BossBarrier> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    api::ObjectRef player1, player2;
};
