#include "game/boss/fight_state.h"

#include "api/script_api.h"

namespace boss {

namespace {
const api::ObjectName kControl{"ZurododavadControl"};
const FightState kNoFight{};
}  // namespace

FightState* Fight() {
    FightOwner* owner = api::FindScript<FightOwner>(kControl);
    return owner ? &owner->OwnedFight() : nullptr;
}

const FightState& FightNow() {
    const FightState* fight = Fight();
    return fight ? *fight : kNoFight;
}

}  // namespace boss
