#include "game/egg/armor_behaviour.h"

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/egg/pickup_spawner.h"

REGISTER_SCRIPT("ArmorBehaviour", ArmorBehaviour);

namespace {
const api::ObjectName kSpawner{"Spawner"};
const api::ObjectName kEgg{"Egg"};
const api::SoundEvent kDestroyed{"event:/Armor_Destroyed"};
const api::SoundEvent kGet{"event:/Armor_Get"};
}  // namespace

void ArmorBehaviour::Init() {
    spawner = api::Find(kSpawner);
    egg = api::Find(kEgg);
    baseScale = api::Scale(owner);
}

void ArmorBehaviour::Withdraw() {
    active = false;
    flying = false;
    api::Park(owner);
    api::SetScale(owner, baseScale);
}

void ArmorBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!active || !other || (other->name != "Player" && other->name != "Player2")) return;
    const birds::Bird bird = birds::Bird::Of(other);
    if (bird.IsAttacker()) {
        api::Play(kDestroyed);
        api::Park(owner);
    } else {
        bird.SetArmour(bird.Armour() + 1);
        flying = true;
        flightDistance = api::Distance(owner, egg.Get());
    }
    active = false;
    if (ArmourSpawner* spawn = api::ScriptOf<ArmourSpawner>(spawner)) spawn->Restart();
}

void ArmorBehaviour::Update(float dt) {
    if (flying) Fly();
    Pulse(dt);
}

void ArmorBehaviour::Fly() {
    api::GameObj* target = egg.Get();
    const float distance = api::Distance(owner, target);
    // A piece collected on top of the egg (or with no egg left) is home at once.
    if (!target || distance < kArrival || !(flightDistance > 0.0f)) {
        Arrive();
        return;
    }
    api::SetVelocity(owner, api::DirectionTo(owner, target) * kFlightSpeed);
    const float share = distance / flightDistance;
    if (share > 0.5f) api::SetScale(owner, baseScale * share);
}

void ArmorBehaviour::Arrive() {
    api::Play(kGet);
    api::Park(owner);
    flying = false;
    api::SetScale(owner, baseScale);
}

void ArmorBehaviour::Pulse(float dt) {
    pulseTimer += dt;
    if (pulseTimer >= 0.5f) {
        pulseTimer = 0.0f;
        pulseShrinking = !pulseShrinking;
    }
    const float step = (pulseShrinking ? -0.65f : 0.65f) * dt;
    const api::vec2 s = api::Scale(owner);
    api::SetScale(owner, {s.x + step, s.y + step});
}
