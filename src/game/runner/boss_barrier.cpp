#include "game/runner/boss_barrier.h"
#include "game/birds/bird.h"


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
    if (birds::IsBirdObject(other) && !birds::Bird::Of(other).IsProtected()) birds::Bird::Of(other).Kill();
}
