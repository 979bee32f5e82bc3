#include "game/runner/boss_barrier.h"

#include "game/runner/runner_birds.h"

REGISTER_SCRIPT("BossBarrier", BossBarrier);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
}  // namespace

void BossBarrier::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
}

void BossBarrier::OnCollisionEnter(Engine::GameObj* other) {
    if (runner::IsBird(other) && !runner::IsProtected(other)) runner::Kill(other);
}
