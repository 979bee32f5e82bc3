#pragma once
// A bird's level companion: its spawn point, its role in the egg rounds, its
// armour, the power-ups it picked up (Immunity, Egg health, Laxative, Hazard)
// with the laxative dung rain, the push-back from the opponent's barrier, the
// walk-in from the edge, and the hit counter that scores the runner and boss
// levels.

#include <array>
#include <cstdint>

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"

class MainPlayerBehaviour;

class RoundPlayerBehaviour : public Engine::ScriptBase<RoundPlayerBehaviour>, public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;

    static constexpr int kLaxativeDungCount = 10;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;

    // A power-up pickup: Immunity, Egg health and Laxative are taken only while
    // no power-up is showing; Hazard and the two further flags always.
    void Grant(bool immunity, bool eggHealth, bool laxativeGrant, bool hazardGrant, bool a, bool b);
    // Called once per death by the bird: the death costs 5 hits, not below 0.
    void BirdDied();
    // Called when the bird respawns: the power-ups end.
    void ResetPowerUps();

    MainPlayerBehaviour* Bird() const;
    // Where the level's rules put this bird now (the corners of the egg level and
    // the practice range, fixed points elsewhere); the current spawn point when
    // the level has rules outside the egg rounds or a corner is missing.
    Engine::vec2 SpawnRule() const;

    bool isAttacker = false;
    bool isDefender = false;
    bool eggHealthApplied = false;
    int32_t laxativeIndex = 0;
    float laxativeDropTimer = 0.0f;
    int32_t armorPieces = 0;
    int32_t maxArmor = 5;
    Engine::vec2 spawnPoint;
    api::ObjectRef levelSettings;
    api::ObjectRef egg;
    api::ObjectRef corner1;
    api::ObjectRef corner2;
    api::ObjectRef feedback;
    api::ObjectRef barrier;
    api::ObjectRef powerUpFeedback;
    std::array<api::ObjectRef, kLaxativeDungCount> laxativeDungs;
    // The object "TransitionBird" whose Transition script reveals the level.
    api::ObjectRef transition;
    bool immune = false;
    bool eggHealthPickup = false;
    bool hazard = false;
    bool laxative = false;
    bool grantA = false;
    bool grantB = false;
    float immunityTimer = 0.0f;
    float eggHealthTimer = 0.0f;
    float laxativeTimer = 0.0f;
    float hazardTimer = 0.0f;
    bool powerUpBusy = false;
    bool walkingIn = false;
    int32_t hitCount = 0;
    bool laxativeDropping = false;

private:
    bool Revealed() const;
    void UpdateSpawnPoint();
    void UpdateWalkIn(float dt);
    void UpdatePowerUps(float dt);
    void UpdateLaxativeRain(float dt);
    void ParkFallenDung();
    void PushBack(Engine::GameObj* other, float strength);
    void ParkFeedback();
};
