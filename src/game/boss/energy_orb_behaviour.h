#pragma once
// An energy orb: rolls in along the floor, or falls where a minion dropped it.
// The boss absorbs an orb it touches; a bird that touches one sends it flying to
// that bird's tier bar, where it raises the bird's upgrade tier by one.

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"

// Where an orb's energy goes: the upgrade tiers of the bird it flew to (the
// bird's ZurododavadPlayerBehaviour implements it).
class OrbCollector {
public:
    virtual ~OrbCollector() = default;
    virtual void CollectOrb() = 0;
};

class EnergyOrbBehaviour : public Engine::ScriptBase<EnergyOrbBehaviour> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kFlightSpeed = 10.0f;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    bool toTierBar1 = false;
    bool toTierBar2 = false;
    api::ObjectRef tierBar1, tierBar2;
    api::ObjectRef player1, player2;
    bool moving = false;
    Engine::vec2 velocity;

private:
    // Destroys the orb once; a destroyed orb ignores the contacts still on their way.
    void Vanish();
    bool gone_ = false;
    // Flies towards the bar; true once it arrived (the bird's tier went up).
    bool FlyTo(Engine::GameObj* bar, Engine::GameObj* bird, float dt);
};
