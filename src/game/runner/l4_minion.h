#pragma once
// The minion sender on "L4Spawners": owns six minions and, while enabled, sends
// the next idle one in from the right on a lane every 1 to 4 seconds; active
// minions run left at a jittered speed whether sending is on or not.

#include <cstdint>
#include <vector>

#include "api/script_api.h"
#include "game/runner/l4_individual_minion.h"

class L4Minion : public Engine::ScriptBase<L4Minion>, public MinionSender {
public:
    explicit L4Minion(Engine::GameObj* owner = nullptr);

    void Init() override;
    void Update(float dt) override;
    void RestartTimer() override { timer = 0.0f; }

    static constexpr float kEntryX = 15.0f;

    int32_t count = 6;
    float timer = 0.0f;
    float delay = 1.0f;
    api::ObjectRef player1, player2;
    int32_t index = 0;
    std::vector<api::ObjectRef> minions;
    std::vector<float> lanes;
    bool enabled = false;

private:
    void ShuffleLanes();
};
