#include "game/ultimates/boss_hits.h"

#include "api/script_api.h"
#include "game/levels/level_table.h"
#include "game/ultimates/boss_target.h"

namespace {
const api::ObjectName kBoss{"Level4Boss"};
const api::ObjectName kRunnerBoss{"Boss"};
}  // namespace

namespace ultimates {

bool DamageBoss(int32_t damage) {
    if (!levels::CurrentIs(levels::Mode::Boss)) return false;
    BossTarget* boss = api::ScriptOf<BossTarget>(api::Find(kBoss));
    if (!boss || !boss->Vulnerable()) return false;
    boss->Health() -= damage;
    return true;
}

bool RunnerBossPresent() { return api::Exists(kRunnerBoss); }

}  // namespace ultimates
