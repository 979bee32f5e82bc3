#pragma once
// The moving checkpoint: a gate held by two eagles that crosses the screen from
// the right; the first bird through it wins the prize, which flies to that
// bird's score before it is added. At the left bound it parks until the run
// sends it again.

#include <cstdint>

#include "api/script_api.h"
#include "game/runner/runner_hud.h"

class L4Checkpoint : public Engine::ScriptBase<L4Checkpoint> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    // Sends the gate in from (x, y) at `newSpeed` with `newPrize` to win.
    void Send(api::vec2 from, float newSpeed, int32_t newPrize);

    float speed = 3.0f;
    int32_t prize = 100;
    bool claimed = false;
    bool resetPending = false;
    api::ObjectRef player1, player2, eagleBottom, eagleTop, claimer;
    std::unique_ptr<runner::FlyingPrize> payout;
};
