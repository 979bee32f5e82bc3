#include "game/egg/hazard_bug.h"

#include <cmath>

#include "api/script_api.h"

REGISTER_SCRIPT("HazardBug", HazardBug);

HazardBug::HazardBug(Engine::GameObj* owner) : ScriptBase(owner) { direction = api::Rand() % 2 == 1 ? 1 : -1; }

void HazardBug::Update(float dt) {
    timer += dt;
    if (timer > 2.0f) {
        timer = 0.0f;
        direction = api::Rand() % 2 == 1 ? 1 : -1;
    }
    api::SetVelocity(owner, {static_cast<float>(direction) * 80.0f * dt, api::Velocity(owner).y});
    const api::vec2 s = api::Scale(owner);
    api::SetScale(owner, {direction > 0 ? -std::fabs(s.x) : std::fabs(s.x), s.y});
}

void HazardBug::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == "LeftBound") direction = 1;
    if (other->name == "RightBound") direction = -1;
}
