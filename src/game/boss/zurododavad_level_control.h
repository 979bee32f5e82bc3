#pragma once
// The boss level's clock: holds the birds while the opening dialogue runs, then
// counts down the 45-second energy phase, sends the energy orbs in from either
// side, sweeps the two laser belts across the arena, sends minions carrying orbs
// to the boss from 22.5 s on, and opens the fight phase at 45 s or as soon as the
// boss holds five orbs.

#include <array>
#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"
#include "game/boss/fight_state.h"

class ZurododavadLevelControl : public Engine::ScriptBase<ZurododavadLevelControl>,
                                public boss::FightOwner,
                                public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;
    ~ZurododavadLevelControl() override;

    static constexpr float kEnergyPhase = 45.0f;
    static constexpr float kMinionsFrom = 22.5f;
    static constexpr float kMinionEvery = 5.0f;
    static constexpr float kBeltRest = 10.0f;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;

    float orbTimer = 0.0f;
    float orbInterval = 3.0f;
    float beltTimer = 0.0f;
    float minionTimer = 0.0f;
    api::ObjectRef boss;
    int32_t orbSide = 0;
    std::array<api::ObjectRef, 2> belts;
    api::ObjectRef player1, player2;
    int32_t phase = 0;  // 0 energy phase, 1 fight phase
    float countdown = kEnergyPhase;
    float phaseTimer = 0.0f;
    api::ObjectRef countdownLabel;
    // The fight this level holds; the other boss scripts reach it through boss::Fight().
    boss::FightState fight;
    boss::FightState& OwnedFight() override { return fight; }

private:
    // True once the dialogue is over; until then the birds stand at their spawn points.
    bool DialogueOver();
    void UpdateCountdown(float dt);
    void UpdateBelts(float dt);
    void SpawnOrb();
    void SpawnMinion();
    void OpenFight();
};
