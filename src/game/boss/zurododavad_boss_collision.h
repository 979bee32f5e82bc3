#pragma once
// Skill hits on the boss in the fight phase: each one scores 5 for the bird that
// threw it and makes the boss flash, but takes none of its health.

#include "api/object_ref.h"
#include "api/script.h"

class ZurododavadBossCollision : public Engine::ScriptBase<ZurododavadBossCollision> {
public:
    using ScriptBase::ScriptBase;

    static constexpr int32_t kSkillHit = 5;

    void OnCollisionEnter(Engine::GameObj* other) override;
};
