#include "game/runner/l4_sky.h"

#include <cmath>

#include "api/drawing.h"

REGISTER_SCRIPT("L4Sky", L4Sky);

namespace {
void ShowWindow(Engine::GameObj* sky, float offset) {
    Engine::graphics::Renderable2D* sprite = sky ? sky->GetSprite() : nullptr;
    if (!sprite) return;
    const float left = offset, right = offset + L4Sky::kWindow;
    sprite->uvs[0] = {left, 0.0f};
    sprite->uvs[1] = {left, 1.0f};
    sprite->uvs[2] = {right, 1.0f};
    sprite->uvs[3] = {right, 0.0f};
}
}  // namespace

void L4Sky::Init() {
    // The scroll owns the texture coordinates: the animator only carries the speed.
    if (Engine::graphics::Animator* animator = api::AnimatorOf(owner)) {
        animator->playing = false;
        animator->frameTime = speedFactor;
    }
    ShowWindow(owner, offset);
}

void L4Sky::Update(float dt) {
    api::vec2 at = api::Position(owner);
    if (at.y > 0.0f) {
        at.x -= 60.0f * dt;
        at.y -= 30.0f * dt;
        if (at.y <= 0.0f) at = {0.0f, 0.0f};
        api::SetPosition(owner, at);
        speedFactor = 5.0f;
    } else {
        slidIn = true;
        cycleTimer = std::fmod(cycleTimer + dt, kCycle);
        // Eases between 3 and 4 and back once per cycle.
        speedFactor = 3.5f - 0.5f * std::cos(cycleTimer / kCycle * 6.2831853f);
    }
    Engine::graphics::Animator* animator = api::AnimatorOf(owner);
    if (animator) animator->frameTime = speedFactor;
    offset += speedFactor * kScrollRate * dt;
    offset = std::fmod(offset, kWindow);
    ShowWindow(owner, offset);
}
