#pragma once
// The armour piece: pulses while it waits to be taken. The defender who touches
// it collects it and it flies into the egg; the attacker who touches it breaks it.

#include <cstdint>

#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"

class ArmorBehaviour : public Engine::ScriptBase<ArmorBehaviour> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kFlightSpeed = 5.0f;
    static constexpr float kArrival = 0.1f;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    // Out of play: parked, neither collectable nor flying.
    void Withdraw();

    bool active = false;
    int32_t side = 1;
    float flightDistance = 0.0f;
    bool pulseShrinking = false;
    float pulseTimer = 0.0f;
    Engine::vec2 baseScale{1.0f, 1.0f};
    api::ObjectRef spawner, egg;
    bool flying = false;

private:
    void Fly();
    void Arrive();
    void Pulse(float dt);
};
