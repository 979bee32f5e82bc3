#include "game/boss/fight_state.h"

#include "api/script_api.h"
#include "game/boss/zurododavad_level_control.h"

namespace boss {

namespace {
const api::ObjectName kControl{"ZurododavadControl"};
const FightState kNoFight{};
}  // namespace

FightState* Fight() {
    ZurododavadLevelControl* control = api::FindScript<ZurododavadLevelControl>(kControl);
    return control ? &control->fight : nullptr;
}

const FightState& FightNow() {
    const FightState* fight = Fight();
    return fight ? *fight : kNoFight;
}

}  // namespace boss
