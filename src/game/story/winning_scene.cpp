#include "game/story/winning_scene.h"

#include "api/script_api.h"

REGISTER_SCRIPT("WinningScene", WinningScene);

void WinningScene::Init() {
    phase = Phase::Rising;
    timer = 0.0f;
}

void WinningScene::Update(float dt) {
    if (phase == Phase::Rising) {
        timer += dt;
        api::SetVelocity(owner, {0.0f, kSpeed});
        if (timer > kRiseSeconds) phase = Phase::Sinking;
    } else {
        timer -= dt;
        api::SetVelocity(owner, {0.0f, -kSpeed});
        if (timer <= 0.0f) phase = Phase::Rising;
    }
}
