#include "game/boss/zurododavad_player_behaviour.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "api/bodies.h"
#include "api/controls.h"
#include "api/script_api.h"
#include "api/stage.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
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

birds::Bird ZurododavadPlayerBehaviour::Face() const { return birds::Bird::Of(owner); }

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
    if (const birds::Bird bird = Face()) api::SetText(chargeLabel.Get(), std::to_string(bird.UltimateCharge()));
    api::SetText(hitLabel.Get(), std::to_string(birds::Bird::Of(owner).Score()));
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
    const birds::Bird bird = Face();
    if (!bird) return;
    bird.Stun(9999.0f);  // until the cage opens
    bird.LockControls(true);
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
    const birds::Bird bird = Face();
    if (bird) {
        bird.LockControls(false);
        bird.EndStun();
        if (!escaped) bird.Kill(true);
    }
    boss::SwitchColliderOn(owner, colliderSize);
    cageTimer = 0.0f;
    cageCount = 0;
    caged_ = false;
}

void ZurododavadPlayerBehaviour::UpdateCage(float dt) {
    const birds::Bird bird = Face();
    if (!bird.ControlsLocked() || !caged_) return;
    cageTimer += dt;
    api::SetPosition(owner, cagePoint);
    api::SetVelocity(owner, {0.0f, 0.0f});
    if (cageCount >= kFlapsToEscape) {
        OpenCage(true);
    } else if (cageTimer > kCageDeath) {
        OpenCage(false);
    } else if (bird.FlapPressed()) {
        cageCount += 1;
        api::Play(kCageStruggle);
    }
}

void ZurododavadPlayerBehaviour::Peck(Engine::GameObj* other, bool stay) {
    const birds::Bird bird = Face();
    if (!bird || !other) return;
    const std::string& name = other->name;
    if (name == "ZurododavadMinion") {
        if (bird.IsPecking())
            if (ZurododavadMinionBehaviour* minion = api::ScriptOf<ZurododavadMinionBehaviour>(other))
                minion->released = true;
        return;
    }
    if (name == "ZurododavadBossRock") {
        const Engine::RigidBody* body = api::Body(other);
        if (body && body->MotionType == Engine::kDynamicMotion) {
            bird.Kill(stay);
        } else if (stay && bird.IsPecking()) {
            birds::Bird::Of(owner).AddScore(20);
            if (ZurododavadRockBehaviour* rock = api::ScriptOf<ZurododavadRockBehaviour>(other)) rock->hitPoints -= 1;
        }
        return;
    }
    if (name == "Level4Boss" && stay && boss::FightNow().vulnerable && api::Position(other).y >= 0.0f) {
        ZurododavadBossBehaviour* life = api::ScriptOf<ZurododavadBossBehaviour>(other);
        if (!life || life->bossHealth < 1) return;
        if (!bird.IsPecking() && !bird.PeckTriggerPressed()) return;
        birds::Bird::Of(owner).AddScore(strength);
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
