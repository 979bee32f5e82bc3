#include "game/story/winning_bird_behaviour.h"

#include "api/script_api.h"

REGISTER_SCRIPT("WinningBirdBehaviour", WinningBirdBehaviour);

void WinningBirdBehaviour::Init() {
    scaleX = api::Scale(owner).x;
    timer = 0.0f;
}

void WinningBirdBehaviour::Update(float dt) {
    timer += dt;
    const Engine::vec2 scale = api::Scale(owner);
    api::SetScale(owner, {timer < kHalfTurn ? scaleX : -scaleX, scale.y});
    if (timer > kFullTurn) timer = 0.0f;
}
