#include "game/boss/zurododavad_player_behaviour.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "api/bodies.h"
#include "api/controls.h"
#include "api/script_api.h"
#include "api/stage.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/boss/boss_kit.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/zurododavad_minion_behaviour.h"
#include "game/boss/zurododavad_rock_behaviour.h"
#include "game/boss/fight_state.h"

REGISTER_SCRIPT("ZurododavadPlayerBehaviour", ZurododavadPlayerBehaviour);

namespace {
const api::ObjectName kP1Ultimate{"P1UltimateCoolDown"};
const api::ObjectName kP2Ultimate{"P2UltimateCoolDown"};
const api::ObjectName kTierBar1{"P1TierBar"};
const api::ObjectName kTierBar2{"P2TierBar"};
const api::ArchetypeName kSlot{"TierBarSlot"};
const api::ArchetypeName kLabel{"HudLabel"};
const api::TextureName kTierStrength{"Tier_Strength"};
const api::TextureName kTierSpeed{"Tier_Speed"};
const api::TextureName kTierPoop{"Tier_Poop"};
const api::TextureName kTierStopwatch{"Tier_Stopwatch"};
const api::TextureName kTierUltimate{"Tier_Ultimate"};
const api::SoundEvent kEnergyGet{"event:/Energy_Get"};
const api::SoundEvent kCageStruggle{"event:/Cage_Struggle"};
const char* const kTierTextures[ZurododavadPlayerBehaviour::kTiers] = {kTierStrength, kTierSpeed, kTierPoop,
                                                                       kTierStopwatch, kTierUltimate};
constexpr Engine::vec2 kSlotParked{-40.0f, -50.0f};
}  // namespace

MainPlayerBehaviour* ZurododavadPlayerBehaviour::Bird() const { return boss::BirdOf(owner); }

void ZurododavadPlayerBehaviour::Init() {
    const bool one = owner && owner->name == "Player";
    chargeLabel = api::SpawnLabel(kLabel, "PassionOne", 16, {0.0f, 8.0f}, 0xFFFFFFFF, 7);
    hitLabel = api::SpawnLabel(kLabel, "PassionOne", 32, {0.0f, 8.0f}, 0xFFFFFFFF, 8);
    api::SetText(chargeLabel.Get(), "");
    api::SetText(hitLabel.Get(), "");
    p1UltimateIcon = api::Find(kP1Ultimate);
    p2UltimateIcon = api::Find(kP2Ultimate);
    cageCount = 0;
    cageTimer = 0.0f;
    // The ultimate's charge sits on the ultimate icon; the score under the portrait.
    const Engine::vec2 icon = api::Position((one ? p1UltimateIcon : p2UltimateIcon).Get());
    api::SetPosition(chargeLabel.Get(), icon + Engine::vec2{1.6f, -0.7f});
    api::SetTextColor(chargeLabel.Get(), 0x00FFFFFF);
    tierBar = api::Find(one ? kTierBar1 : kTierBar2);
    // Under the portrait (the font draws about two units left of the label's point).
    api::SetPosition(hitLabel.Get(), one ? Engine::vec2{-13.2f, 5.6f} : Engine::vec2{15.6f, 5.6f});
    for (api::ObjectRef& slot : tierSlots) slot = api::Spawn(kSlot, kSlotParked.x, kSlotParked.y);
    if (const Engine::Collider* collider = api::ColliderOf(owner)) colliderSize = {collider->width, collider->height};
}

void ZurododavadPlayerBehaviour::Update(float dt) {
    MainPlayerBehaviour* bird = Bird();
    if (bird) api::SetText(chargeLabel.Get(), std::to_string(bird->ultimateCharge));
    api::SetText(hitLabel.Get(), std::to_string(boss::HitsOf(owner)));
    ShowTiers();
    if (upgradeChosen && !upgradesRolled) RollUpgrades();
    UpdateCage(dt);
}

void ZurododavadPlayerBehaviour::ShowTiers() {
    // Every tier reached shows, even when two orbs arrive in the same frame.
    const int32_t reached = std::clamp(tier, 0, kTiers);
    Engine::GameObj* bar = tierBar.Get();
    while (shownTiers_ < reached) {
        const int32_t k = shownTiers_;
        tierFlags[static_cast<size_t>(k)] = true;
        Engine::GameObj* slot = tierSlots[static_cast<size_t>(k)].Get();
        api::SetTexture(slot, kTierTextures[k]);
        const float barY = api::Position(bar).y;
        if (k == 0) {
            api::SetPosition(slot, {api::Position(bar).x - 0.4f * api::Scale(bar).x, barY});
        } else {
            Engine::GameObj* previous = tierSlots[static_cast<size_t>(k - 1)].Get();
            api::SetPosition(slot, {api::Position(previous).x + api::Scale(previous).x, barY});
        }
        shownTiers_ += 1;
    }
}

void ZurododavadPlayerBehaviour::RollUpgrades() {
    if (tierFlags[0]) strength = api::RandomInt(2, 4);
    if (tierFlags[1]) speedBonus = 2.0f;
    if (tierFlags[2]) poopBonus = api::RandomInt(0, 1) == 0 ? 1.0f : 2.0f;
    if (tierFlags[3]) stopwatchBonus = api::RandomInt(0, 1) == 0 ? 1.0f : 2.0f;
    if (tierFlags[4]) {
        ultimateTier = true;
        api::SetTextColor(chargeLabel.Get(), 0xFFFFFFFF);
    }
    upgradesRolled = true;
}

void ZurododavadPlayerBehaviour::Catch() {
    MainPlayerBehaviour* bird = Bird();
    if (!bird) return;
    bird->Stun(2.0f, false);
    bird->stunDuration = 9999.0f;
    bird->controlsLocked = true;
    cageTimer = kCageStart;
    cageCount = 0;
    api::SetVelocity(owner, {0.0f, 0.0f});
    cagePoint = api::Position(owner);
    const Engine::vec2 size = boss::SwitchColliderOff(owner);
    if (size.x > 0.0f) colliderSize = size;
    caged_ = true;
}

void ZurododavadPlayerBehaviour::Release() {
    if (caged_) OpenCage(true);
}

void ZurododavadPlayerBehaviour::OpenCage(bool escaped) {
    MainPlayerBehaviour* bird = Bird();
    if (bird) {
        bird->controlsLocked = false;
        bird->stunDuration = 0.0f;
        if (!escaped) bird->Kill(true);
    }
    boss::SwitchColliderOn(owner, colliderSize);
    cageTimer = 0.0f;
    cageCount = 0;
    caged_ = false;
}

void ZurododavadPlayerBehaviour::UpdateCage(float dt) {
    MainPlayerBehaviour* bird = Bird();
    if (!bird || !bird->controlsLocked || !caged_) return;
    cageTimer += dt;
    api::SetPosition(owner, cagePoint);
    api::SetVelocity(owner, {0.0f, 0.0f});
    if (cageCount >= kFlapsToEscape) {
        OpenCage(true);
    } else if (cageTimer > kCageDeath) {
        OpenCage(false);
    } else if (bird->KeyAction("Flap") || bird->pad.IsButtonTriggered(Engine::kButtonA)) {
        cageCount += 1;
        api::Play(kCageStruggle);
    }
}

void ZurododavadPlayerBehaviour::Peck(Engine::GameObj* other, bool stay) {
    MainPlayerBehaviour* bird = Bird();
    if (!bird || !other) return;
    const std::string& name = other->name;
    if (name == "ZurododavadMinion") {
        if (bird->pecking)
            if (ZurododavadMinionBehaviour* minion = api::ScriptOf<ZurododavadMinionBehaviour>(other))
                minion->released = true;
        return;
    }
    if (name == "ZurododavadBossRock") {
        const Engine::RigidBody* body = api::Body(other);
        if (body && body->MotionType == Engine::kDynamicMotion) {
            bird->dead = true;
            if (stay) bird->killedByHazard = true;
        } else if (stay && bird->pecking) {
            boss::AddHits(owner, 20);
            if (ZurododavadRockBehaviour* rock = api::ScriptOf<ZurododavadRockBehaviour>(other)) rock->hitPoints -= 1;
        }
        return;
    }
    if (name == "Level4Boss" && stay && boss::FightNow().vulnerable && api::Position(other).y >= 0.0f) {
        ZurododavadBossBehaviour* life = api::ScriptOf<ZurododavadBossBehaviour>(other);
        if (!life || life->bossHealth < 1) return;
        if (!bird->pecking && !bird->pad.IsRightTriggerTriggered()) return;
        boss::AddHits(owner, strength);
        life->bossHealth -= strength;
        if (ZurododavadFinalBossMode* mode = api::ScriptOf<ZurododavadFinalBossMode>(other)) mode->hitFlash = true;
    }
}

void ZurododavadPlayerBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == "EnergyOrbs") api::Play(kEnergyGet);
    Peck(other, false);
}

void ZurododavadPlayerBehaviour::OnCollisionStay(Engine::GameObj* other) { Peck(other, true); }

void ZurododavadPlayerBehaviour::HashState(Engine::StateHasher& hasher) const {
    hasher.Value(tier);
    hasher.Value(strength);
    hasher.Value(cageCount);
    hasher.Value(cageTimer);
}
