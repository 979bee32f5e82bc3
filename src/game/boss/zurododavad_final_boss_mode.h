#pragma once
// The boss in the fight phase: it rises out of the ground, then repeats its
// attack cycle. Each attack is announced for 7 s by a growing shadow in the
// attack's colour: blue, an electric barrier that stuns every bird it reaches;
// green, a laser that locks onto a bird, fixes its aim after 1 s and burns the
// line for 1.5 s; yellow, arms that grab both birds, who escape by flapping.

#include <array>
#include <cstdint>
#include <vector>

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"
#include "game/birds/bird.h"


// What the boss's grab does to a bird (the bird's ZurododavadPlayerBehaviour
// implements it).
class BossGrab {
public:
    virtual ~BossGrab() = default;
    // The bird is held whatever its state, controls locked and collider off,
    // until it escapes or dies.
    virtual void Catch() = 0;
    // Lets a held bird go (the boss died while holding it).
    virtual void Release() = 0;
};

class ZurododavadFinalBossMode : public Engine::ScriptBase<ZurododavadFinalBossMode> {
public:
    using ScriptBase::ScriptBase;

    enum Attack : int32_t { kTelegraph = 0, kBarrier = 1, kLaser = 2, kGrab = 3 };
    static constexpr float kTelegraphSeconds = 7.0f;
    static constexpr float kLaserReach = 99.0f;
    static constexpr float kLaserWidth = 3.0f;

    void Init() override;
    void Update(float dt) override;

    int32_t attackState = kTelegraph;
    float attackTimer = 0.0f;
    float chargeAlpha = 0.0f;
    float fightTime = 0.0f;
    float flashTimer = 1.0f;
    bool idlePending = true;
    int32_t nextAttack = -1;
    std::array<api::ObjectRef, 2> birds;
    std::vector<api::ObjectRef> arms;
    api::ObjectRef smashFeedback1, smashFeedback2;
    api::ObjectRef shadow;
    Engine::vec2 shadowBaseScale;
    api::ObjectRef chargeFeedback;
    api::ObjectRef laser;
    api::ObjectRef laserTarget;
    api::ObjectRef lockOn;
    bool hitFlash = false;
    bool barrierPlayed = false;
    // The laser's fixed aim (a unit vector), taken when it fires.
    Engine::vec2 laserAim{0.0f, -1.0f};

private:
    birds::Bird BirdScript(size_t i) const;
    void Telegraph(float dt);
    void Barrier(float dt);
    void Laser(float dt);
    void Grab();
    void ClearAttacks();
    bool grabStarted_ = false;
    int32_t laserFrame_ = 0;
};
