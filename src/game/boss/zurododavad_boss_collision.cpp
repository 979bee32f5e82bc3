#include "game/boss/zurododavad_boss_collision.h"

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/fight_state.h"

REGISTER_SCRIPT("ZurododavadBossCollision", ZurododavadBossCollision);

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::SoundEvent kLightningHit{"event:/Myna_Lightning_Hit"};
const api::SoundEvent kShitImpact{"event:/Shit_Impact"};
}  // namespace

void ZurododavadBossCollision::Init() {
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
}

void ZurododavadBossCollision::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || !boss::FightNow().vulnerable) return;
    const std::string& name = other->name;
    if (name != "LightningBall" && name != "SoundScream" && name != "FartBomb" && name != "Dung") return;
    // A dead boss (its death sequence running) scores nothing more.
    const ZurododavadBossBehaviour* life = api::ScriptOf<ZurododavadBossBehaviour>(owner);
    if (life && life->bossHealth < 1) return;
    if (other->owner == "Player") birds::Bird::Of(player1.Get()).AddScore(kSkillHit);
    if (other->owner == "Player2") birds::Bird::Of(player2.Get()).AddScore(kSkillHit);
    if (ZurododavadFinalBossMode* mode = api::ScriptOf<ZurododavadFinalBossMode>(owner)) mode->hitFlash = true;
    if (name == "LightningBall") api::Play(kLightningHit);
    if (name == "Dung") api::Play(kShitImpact);
}
