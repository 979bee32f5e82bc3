#pragma once
// A pickup that hands a power-up to the bird that touches it, where no spawner
// runs (the practice range). Its kind follows its object's name: "Laxative",
// "Invulnerable" (immunity) or "Ultimate". It fades back in and is available
// again 3.2 s after a pickup.

#include "api/object_ref.h"
#include "api/script.h"
#include "game/birds/bird_links.h"

class PowerUpTutorialManager : public Engine::ScriptBase<PowerUpTutorialManager>, public UltimateGiver {
public:
    using ScriptBase::ScriptBase;
    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    bool GrantsUltimate() const override { return grantsUltimate; }

    bool laxative = false;
    bool immunity = false;
    bool grantsUltimate = false;
    bool available = true;
    bool grantPending = false;
    // The bird that picked it up and the pickup feedback it spawned.
    api::ObjectRef toucher;
    api::ObjectRef collectedFeedback;
    float feedbackTimer = 0.0f;
    float fadeTimer = 0.0f;
};
