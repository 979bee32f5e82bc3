#include "game/egg/explosion_bug_behaviour.h"

#include "api/script_api.h"
#include "game/birds/bird.h"

REGISTER_SCRIPT("ExplosionBugs", ExplosionBugBehaviour);

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
}  // namespace

void ExplosionBugBehaviour::Init() {
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
}

void ExplosionBugBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (armed || !other) return;
    if (other == player1.Get() || other == player2.Get()) {
        armed = true;
        touchedByPlayer1 = other == player1.Get();
        countdown = kFuse;
    }
}

void ExplosionBugBehaviour::Update(float dt) {
    if (!armed) return;
    countdown -= dt;
    if (countdown > 0.0f) return;
    birds::Bird::Of(touchedByPlayer1 ? player2 : player1).Kill();
    armed = false;
    countdown = kFuse;
}
