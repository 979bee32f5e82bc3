#include "game/boss/player_exe_behaviour.h"

#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/boss/boss_kit.h"

REGISTER_SCRIPT("PlayerExeBehaviour", PlayerExeBehaviour);

void PlayerExeBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    const std::string& name = other->name;
    if (name != "LeftBound" && name != "RightBound" && name != "LaserBeltRight" && name != "LaserBeltLeft") return;
    MainPlayerBehaviour* bird = boss::BirdOf(owner);
    if (bird && !bird->IsProtected()) bird->dead = true;
}
