#pragma once
// Pipes and tunnel segments of the runner: they sweep left at 7 units a second.
// A pipe carries a laser that either pulses in length or bobs with the pipe, and
// pays a bird that touches it; a tunnel segment kills an unprotected bird.

#include <memory>

#include "api/script_api.h"
#include "game/runner/runner_hud.h"

class L4Collidable : public Engine::ScriptBase<L4Collidable> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    static constexpr float kSweepSpeed = 7.0f;
    static constexpr int kPipePay = 20;

    float speed = 0.0f;
    bool isPipe = false;
    bool isTunnel = false;
    bool pulsing = false;
    bool flag = false;
    float timer = 0.0f;
    api::ObjectRef laser;
    std::unique_ptr<runner::FlyingPrize> payout;

private:
    void PulseLaser(float dt, float newX);
    void BobWithLaser(float dt, float newX);
};
