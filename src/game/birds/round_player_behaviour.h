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
#include "game/birds/bird.h"

struct BirdTestAccess;

// The companion's state, in the order the game keeps it; private to the bird.
struct BirdRoundState {
    static constexpr int kLaxativeDungCount = 10;

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
};

class RoundPlayerBehaviour : public Engine::ScriptBase<RoundPlayerBehaviour>,
                             public Engine::HashedState,
                             public birds::BirdRound,
                             private BirdRoundState {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;

    // ---- The face (birds::BirdRound) ----
    bool Immune() const override { return immune; }
    bool Attacker() const override { return isAttacker; }
    bool Defender() const override { return isDefender; }
    bool PowerUpBusy() const override { return powerUpBusy; }
    int32_t Hits() const override { return hitCount; }
    void AddHits(int32_t hits) override { hitCount += hits; }
    int32_t Armour() const override { return armorPieces; }
    void SetArmour(int32_t pieces) override { armorPieces = pieces; }
    void SetRole(bool attacker) override {
        isAttacker = attacker;
        isDefender = !attacker;
    }
    Engine::vec2 SpawnPoint() const override { return spawnPoint; }
    void StartWalkIn() override { walkingIn = true; }
    Engine::vec2 RefreshSpawnPoint() override;
    void SetPickup(bool immunity, bool laxativeGrant) override;
    // A power-up pickup: Immunity, Egg health and Laxative are taken only while
    // no power-up is showing; Hazard and the two further flags always.
    void Grant(bool immunity, bool eggHealth, bool laxativeGrant, bool hazardGrant, bool a, bool b) override;
    // Called once per death by the bird: the death costs 5 hits, not below 0.
    void BirdDied() override;
    // Called when the bird respawns: the power-ups end.
    void ResetPowerUps() override;
    // Where the level's rules put this bird now (the corners of the egg level and
    // the practice range, fixed points elsewhere); the current spawn point when
    // the level has rules outside the egg rounds or a corner is missing.
    Engine::vec2 SpawnRule() const override;

    // The state, for reading (the world hash, the tests).
    const BirdRoundState& State() const { return *this; }

private:
    friend struct BirdTestAccess;
    bool Revealed() const;
    void UpdateSpawnPoint();
    void UpdateWalkIn(float dt);
    void UpdatePowerUps(float dt);
    void UpdateLaxativeRain(float dt);
    void ParkFallenDung();
    void PushBack(Engine::GameObj* other, float strength);
    void ParkFeedback();
};
