#pragma once
// In the boss level: the arena's side bounds and the laser belts kill a bird
// that is neither immune nor blinking invulnerable.

#include "api/script.h"

class PlayerExeBehaviour : public Engine::ScriptBase<PlayerExeBehaviour> {
public:
    using ScriptBase::ScriptBase;
    void OnCollisionEnter(Engine::GameObj* other) override;
};
