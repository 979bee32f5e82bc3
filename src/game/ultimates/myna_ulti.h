#pragma once
// RoziDoro's ultimate: the bird charges for a second in a swirl of sparks, then
// fires a screen-wide beam ("MynaBeam", MynaUltiBeamBehaviour).

#include "api/object_ref.h"
#include "game/birds/bird.h"
#include "game/skills/skill_effects.h"
#include "game/ultimates/ultimate.h"


class MynaUlti : public Engine::ScriptBase<MynaUlti, ultimates::Ultimate> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kCharge = 1.0f;  // sparks gather
    static constexpr float kFire = 1.1f;    // the beam leaves

    void Init() override;
    void Update(float dt) override;

    float ultiTimer = 0.0f;
    skills::EmitterRef chargeParticles;
    // The last beam fired, while it lasts.
    api::ObjectRef beam;
    birds::Bird OwnerBird() const;

private:
    void Fire();
    bool ready_ = false;
    bool callPlayed_ = false;
};
