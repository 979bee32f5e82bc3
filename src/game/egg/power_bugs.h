#pragma once
// On "Spawner": sends a power bug across the field from a random side after a
// delay that shortens as the egg weakens, and every 20 seconds an ultimate bug
// that sinks slowly from the top.

#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"
#include "game/egg/pickup_spawner.h"

class BugBehaviour;

class PowerBugs : public Engine::ScriptBase<PowerBugs>, public BugSpawner {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kUltimateEvery = 20.0f;

    enum class Kind { Hazard, Laxative, EggHealth, Immunity };
    // The kind of a draw r from 0 to 28.
    static Kind KindOf(int32_t r);

    void Init() override;
    void Update(float dt) override;

    // Between rounds: the bug goes away, the timers start over.
    void Reset();
    // After a pickup or an exit: a new delay and side, the wait starts over.
    void Restart() override;

    int32_t side = 1;
    float delay = 0.0f;
    float bugTimer = 0.0f;
    float ultimateTimer = 0.0f;
    api::ObjectRef bug;
    api::ObjectRef ultimateBug;
    api::ObjectRef egg, player1, player2, levelSettings;

private:
    void NewDelay();
    void SpawnUltimate();
    void Release(BugBehaviour& b);
};
