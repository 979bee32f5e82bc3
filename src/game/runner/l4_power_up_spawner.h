#pragma once
// Power-up bugs for the runner, on "L4Spawners": a small pool of bugs released
// one at a time from the right edge on shuffled lanes every 4 to 8 seconds;
// released bugs scurry left at a jittered speed.

#include <cstdint>
#include <vector>

#include "api/script_api.h"
#include "game/egg/pickup_spawner.h"

class L4PowerUpSpawner : public Engine::ScriptBase<L4PowerUpSpawner>, public BugSpawner {
public:
    enum Kind : int32_t { kImmunity = 0, kLaxative = 1, kUltimate = 2 };

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    // A bug was picked up or left the screen: the next one waits a full delay.
    void Restart() override { timer = 0.0f; }

    static constexpr int32_t kPoolSize = 5;
    static constexpr float kEntryX = 15.0f;

    bool enabled = true;
    float timer = 0.0f;
    float delay = 4.0f;
    int32_t next = 0;
    std::vector<float> lanes;
    std::vector<api::ObjectRef> bugs;
    std::vector<Kind> kinds;
    api::ObjectRef player1, player2;

private:
    void ShuffleLanes();
    void Release(size_t index);
};
