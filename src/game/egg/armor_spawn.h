#pragma once
// On "Spawner": places the one armour piece somewhere on a random side once its
// delay has passed; the delay shortens as the egg weakens and the round runs out.

#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"
#include "game/egg/pickup_spawner.h"

class ArmorSpawn : public Engine::ScriptBase<ArmorSpawn>, public ArmourSpawner {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // Between rounds: the piece goes away and the wait starts over.
    void Reset();
    // After a pickup or a loss: a new delay and side, the wait starts over.
    void Restart() override;

    api::ObjectRef armor;
    bool spawned = false;
    int32_t side = 1;
    float elapsed = 0.0f;
    float delay = 0.0f;
    api::ObjectRef egg, player1, player2, levelSettings;

private:
    void NewDelay();
};
