#include "game/boss/energy_orb_behaviour.h"

#include <algorithm>
#include <cmath>

#include "api/script_api.h"
#include "api/stage.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/fight_state.h"

REGISTER_SCRIPT("EnergyOrbBehaviour", EnergyOrbBehaviour);

namespace {
const api::ObjectName kTierBar1{"P1TierBar"};
const api::ObjectName kTierBar2{"P2TierBar"};
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::SoundEvent kArmorGet{"event:/Armor_Get"};
const api::SoundEvent kBossEnergy{"event:/Boss_Energy_Get"};
// An orb that rolled out of the arena without being caught is gone.
constexpr float kLostBeyond = 24.0f;
}  // namespace

void EnergyOrbBehaviour::Init() {
    api::SetGravityScale(owner, 0.0f);
    api::SetLayer(owner, 1);
    moving = false;
    boss::SheetFrames(owner, 1, 5, 0.1f);
    toTierBar1 = toTierBar2 = false;
    tierBar1 = api::Find(kTierBar1);
    tierBar2 = api::Find(kTierBar2);
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
}

void EnergyOrbBehaviour::Update(float dt) {
    if (gone_) return;
    if (moving) api::SetVelocity(owner, velocity);
    if (boss::FightNow().vulnerable) {
        Vanish();
        return;
    }
    if (toTierBar1 && FlyTo(tierBar1.Get(), player1.Get(), dt)) return;
    if (toTierBar2 && FlyTo(tierBar2.Get(), player2.Get(), dt)) return;
    const Engine::vec2 at = api::Position(owner);
    if (!toTierBar1 && !toTierBar2 && (std::fabs(at.x) > kLostBeyond || at.y < -kLostBeyond)) Vanish();
}

bool EnergyOrbBehaviour::FlyTo(Engine::GameObj* bar, Engine::GameObj* bird, float dt) {
    if (!bar) {
        // Nowhere to go: the orb still counts for its bird.
        if (OrbCollector* upgrades = api::ScriptOf<OrbCollector>(bird)) upgrades->CollectOrb();
        Vanish();
        return true;
    }
    if (api::ColliderOf(owner)) owner->RemoveCollider();
    moving = false;
    api::SetColor(owner, 0x40FFFFFF);
    // Within one frame's flight it has arrived: at 10 units a second the orb moves
    // further than 0.1 in a frame and would otherwise overshoot the bar forever.
    const float distance = api::Distance(owner, bar);
    if (distance < std::max(0.1f, kFlightSpeed * dt)) {
        if (OrbCollector* upgrades = api::ScriptOf<OrbCollector>(bird)) upgrades->CollectOrb();
        toTierBar1 = toTierBar2 = false;
        api::Play(kArmorGet);
        api::SetVelocity(owner, {0.0f, 0.0f});
        Vanish();
        return true;
    }
    api::SetVelocity(owner, api::DirectionTo(owner, bar) * kFlightSpeed);
    return false;
}

void EnergyOrbBehaviour::Vanish() {
    if (!gone_) api::Destroy(owner);
    gone_ = true;
}

void EnergyOrbBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || gone_ || toTierBar1 || toTierBar2) return;
    if (other->name == "Level4Boss") {
        if (boss::FightState* fight = boss::Fight()) fight->orbCount += 1;
        api::Play(kBossEnergy);
        Vanish();
    } else if (other->name == "Player") {
        toTierBar1 = true;
    } else if (other->name == "Player2") {
        toTierBar2 = true;
    }
}
