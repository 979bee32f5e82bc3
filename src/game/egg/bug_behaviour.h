#pragma once
// A power bug crossing the field. The bird that touches it gets its power-up
// (Immunity, Egg health, Laxative, a Hazard cloud that calls the UFO, or the
// ultimate); a bug that reaches the far bound leaves play.

#include <cstdint>
#include <string>

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"
#include "game/birds/bird_links.h"

class BugBehaviour : public Engine::ScriptBase<BugBehaviour>, public UltimateGiver {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    // UltimateGiver: the ultimate bug readies the ultimate of the bird that touches it.
    bool GrantsUltimate() const override { return ultimate; }

    void ClearKinds();
    // Out of play: parked and inactive, no kind.
    void Withdraw();

    bool pendingGrant = false;
    bool touchedByPlayer1 = false;
    bool touchedByPlayer2 = false;
    int32_t feedbackRestart = 0;
    int32_t side = 1;
    bool pulseShrinking = false;
    float pulseTimer = 0.0f;
    float feedbackTimer = 0.0f;
    api::ObjectRef spawner, runnerSpawner, levelSettings, player1, player2;
    api::ObjectRef collectedFeedback;
    std::string label;
    bool immunity = false, eggHealth = false, hazard = false, laxative = false, ultimate = false, cloud = false;
    bool active = false;

private:
    void PickedUpBy(Engine::GameObj* bird);
    void PlayPickupSounds(Engine::GameObj* bird) const;
    void Grant();
    void ShowFeedback(float dt);
    void Pulse(float dt);
    void RestartSpawner();
    // Whether a spawner that leaves pickups and the bounds to the bug runs here.
    bool SpawnerRuns() const;
    // Whether this bug belongs to the runner's pool, which releases it again.
    bool InRunnerPool() const;
    // The kinds of the bug that was picked up, kept for the grant.
    bool grantImmunity_ = false, grantEggHealth_ = false, grantLaxative_ = false, grantHazard_ = false,
         grantUltimate_ = false, grantCloud_ = false;
    Engine::vec2 baseScale_{1.0f, 1.0f};
};
