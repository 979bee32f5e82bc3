#pragma once
// One of the boss's balls: flies with its heading once fired (a homing ball
// re-aims at the nearer bird every frame), kills an unprotected bird, and is
// recycled at the bounds or on a kill.

#include "api/script_api.h"

// What a ball tells the boss that threw it (the boss implements it), so the
// ball needs nothing else of the boss.
class BallThrower {
public:
    virtual ~BallThrower() = default;
    // One ball fewer in flight.
    virtual void BallRecycled() = 0;
};

class BossBullet : public Engine::ScriptBase<BossBullet> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    // Back to the parking place, unfired; the boss counts one ball fewer in flight.
    void Recycle();
    // Where a ball waits: its own spot in a grid from `base` (345, 225 for the
    // pool, 365, 225 once recycled), so parked balls never touch each other and
    // the physics has no pile of parked contacts to keep every frame.
    static api::vec2 ParkingSpot(api::vec2 base, const Engine::GameObj* ball);

    api::vec2 heading;
    api::ObjectRef player1, player2, target, boss;
    bool fired = false;
    bool homing = false;

private:
    void Aim();
};
