#pragma once
// A minion flying an energy orb to the boss. At the boss it lets the orb fall;
// a bird that pecks it or hits it with a skill scores 50 and frees the orb where
// the minion is. Once released the minion flies off and blows up three seconds
// later, killing an unprotected bird in contact at that moment.

#include "api/object_ref.h"
#include "api/script.h"

class ZurododavadMinionBehaviour : public Engine::ScriptBase<ZurododavadMinionBehaviour> {
public:
    using ScriptBase::ScriptBase;

    static constexpr int32_t kKillBonus = 50;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;

    float fuse = 3.0f;
    api::ObjectRef carriedOrb;
    api::ObjectRef explosionFeedback;
    api::ObjectRef player1, player2;
    api::ObjectRef bonusLabel;
    bool released = false;

private:
    void DropOrb();
    // A bird scored the kill: the bonus shows where the minion was.
    void Killed(Engine::GameObj* bird);
    void Vanish();
    bool gone_ = false;
    bool killed_ = false;
    float bonusTimer_ = 0.0f;
};
