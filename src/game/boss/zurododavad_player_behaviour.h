#pragma once
// A bird's companion in the boss level: its score and ultimate charge on the
// heads-up display, the upgrade tiers its orbs bought (shown as slots on its
// tier bar and rolled into bonuses when the fight begins), the cage of the
// boss's grab (eight flaps to escape, death after three seconds), and how the
// bird hurts the boss, frees minions and pecks rocks.

#include <array>
#include <cstdint>

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"
#include "game/birds/bird.h"
#include "game/birds/bird_links.h"
#include "game/boss/energy_orb_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"


class ZurododavadPlayerBehaviour : public Engine::ScriptBase<ZurododavadPlayerBehaviour>,
                                   public BirdUpgrades,
                                   public OrbCollector,
                                   public BossGrab,
                                   public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;

    static constexpr int32_t kTiers = 5;
    static constexpr int32_t kFlapsToEscape = 8;
    static constexpr float kCageStart = 2.0f;
    static constexpr float kCageDeath = 5.0f;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;

    // BirdUpgrades, read by the bird once the upgrades are rolled.
    bool UpgradesReady() const override { return upgradesRolled; }
    float StopwatchBonus() const override { return stopwatchBonus; }
    float PoopBonus() const override { return poopBonus; }
    float SpeedBonus() const override { return speedBonus; }
    bool UltimateTier() const override { return ultimateTier; }

    void Catch() override;
    void Release() override;

    // Strength, Speed, Poop, Stopwatch, Ultimate.
    std::array<bool, kTiers> tierFlags{};
    api::ObjectRef p1UltimateIcon, p2UltimateIcon;
    api::ObjectRef tierBar;
    api::ObjectRef chargeLabel, hitLabel;
    std::array<api::ObjectRef, kTiers> tierSlots;
    bool upgradeChosen = false;
    bool upgradesRolled = false;
    bool ultimateTier = false;
    int32_t cageCount = 0;
    float cageTimer = 0.0f;
    int32_t tier = 0;
    void CollectOrb() override { tier += 1; }
    int32_t strength = 1;
    float speedBonus = 0.0f;
    float poopBonus = 0.0f;
    float stopwatchBonus = 1.0f;
    // The bird's collider size, given back when the cage opens.
    Engine::vec2 colliderSize{0.0f, 0.0f};
    // Where the grab holds the bird (without its collider it would fall through the floor).
    Engine::vec2 cagePoint{0.0f, 0.0f};

private:
    birds::Bird Face() const;
    void ShowTiers();
    void RollUpgrades();
    void UpdateCage(float dt);
    void OpenCage(bool escaped);
    void Peck(Engine::GameObj* other, bool stay);
    int32_t shownTiers_ = 0;
    bool caged_ = false;
};
