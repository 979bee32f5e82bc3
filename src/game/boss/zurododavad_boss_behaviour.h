#pragma once
// The boss's life: its health (6000), the orb counter above it in the energy
// phase, the crack at half health, its health bar in the fight phase, and the
// death sequence: two seconds of shaking, an explosion that fills the screen, a
// fade to white, then the match result and the end storyboard.

#include <array>
#include <cstdint>
#include <string>

#include "api/object_ref.h"
#include "game/ultimates/boss_target.h"
#include "logic/scripts.h"
#include "logic/hashed_state.h"

class ZurododavadBossBehaviour : public Engine::ScriptBase<ZurododavadBossBehaviour>, public BossTarget, public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kShakeSeconds = 2.0f;
    static constexpr float kFadeEnd = 300.0f;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;

    // BossTarget: the ultimates hurt the boss only in the fight phase, while it lives.
    bool Vulnerable() const override;
    int32_t& Health() override { return bossHealth; }

    // The match result from the two birds' hit counts: the higher one wins,
    // equal counts are a draw. Written in full for every outcome.
    static void WriteResult(int32_t player1Hits, int32_t player2Hits);

    std::array<api::ObjectRef, 4> rocks;
    std::array<api::ObjectRef, 2> birds;
    api::ObjectRef orbReference;
    api::ObjectRef explosion;
    api::ObjectRef whiteScreen;
    bool firstFightFrame = true;
    bool crackShown = false;
    float deathTimer = 0.0f;
    float fade = 0.0f;
    api::ObjectRef orbLabel;
    api::ObjectRef bossBar, bossBarOverlay;
    int32_t bossHealth = 6000;
    // The health bar shown in the fight phase, and the match's end once it started.
    api::ObjectRef healthFill, healthFrame, healthLabel;
    bool matchEnded = false;

private:
    void Die(float dt);
    void EndMatch();
    void ShowHealth();
    float healthFillWidth_ = 0.0f;
    float healthFillLeft_ = 0.0f;
    bool orbsComplete_ = false;
    bool explodedOnce_ = false;
};
