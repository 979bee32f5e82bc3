#include "game/ultimates/ultimate_kit.h"

#include "api/script_api.h"
#include "game/levels/level_table.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/ultimates/boss_target.h"

namespace {
const api::ObjectName kBoss{"Level4Boss"};
const api::ObjectName kRunnerBoss{"Boss"};
}  // namespace

namespace ultimates {

MainPlayerBehaviour* BirdOf(const Engine::GameObj* bird) { return api::ScriptOf<MainPlayerBehaviour>(bird); }

Engine::GameObj* FindBird(const std::string& name) {
    if (name.empty()) return nullptr;
    for (Engine::GameObj* object : api::FindAll(name))
        if (BirdOf(object)) return object;
    return nullptr;
}

bool KillBird(Engine::GameObj* bird, bool byHazard) {
    MainPlayerBehaviour* main = BirdOf(bird);
    if (!main) return false;
    main->Kill(byHazard);
    return true;
}

bool StunBird(Engine::GameObj* bird, float seconds) {
    MainPlayerBehaviour* main = BirdOf(bird);
    if (!main) return false;
    main->Stun(seconds, false);
    return true;
}

void ShowInjured(Engine::GameObj* bird) {
    if (MainPlayerBehaviour* main = BirdOf(bird)) main->SwitchAnimation("Injured");
}

void CreditHits(Engine::GameObj* bird, int32_t hits) {
    if (RoundPlayerBehaviour* round = api::ScriptOf<RoundPlayerBehaviour>(bird)) round->hitCount += hits;
}

bool DamageBoss(int32_t damage) {
    if (!levels::CurrentIs(levels::Mode::Boss)) return false;
    BossTarget* boss = api::ScriptOf<BossTarget>(api::Find(kBoss));
    if (!boss || !boss->Vulnerable()) return false;
    boss->Health() -= damage;
    return true;
}

bool RunnerBossPresent() { return api::Exists(kRunnerBoss); }

}  // namespace ultimates
