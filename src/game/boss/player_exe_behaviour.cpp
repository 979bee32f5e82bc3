#include "game/boss/player_exe_behaviour.h"

#include "api/script_api.h"
#include "game/birds/bird.h"

REGISTER_SCRIPT("PlayerExeBehaviour", PlayerExeBehaviour);

void PlayerExeBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    const std::string& name = other->name;
    if (name != "LeftBound" && name != "RightBound" && name != "LaserBeltRight" && name != "LaserBeltLeft") return;
    birds::Bird::Of(owner).KillUnlessProtected(false);
}
