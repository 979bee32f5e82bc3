#include "game/boss/zurododavad_boss_collision.h"

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_final_boss_mode.h"
#include "game/boss/fight_state.h"

REGISTER_SCRIPT("ZurododavadBossCollision", ZurododavadBossCollision);

namespace {
const api::SoundEvent kLightningHit{"event:/Myna_Lightning_Hit"};
const api::SoundEvent kShitImpact{"event:/Shit_Impact"};
}  // namespace

void ZurododavadBossCollision::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || !boss::FightNow().vulnerable) return;
    const std::string& name = other->name;
    if (name != "LightningBall" && name != "SoundScream" && name != "FartBomb" && name != "Dung") return;
    // A dead boss (its death sequence running) scores nothing more.
    const ZurododavadBossBehaviour* life = api::ScriptOf<ZurododavadBossBehaviour>(owner);
    if (life && life->bossHealth < 1) return;
    birds::Bird::ShooterOf(other).AddScore(kSkillHit);
    if (ZurododavadFinalBossMode* mode = api::ScriptOf<ZurododavadFinalBossMode>(owner)) mode->hitFlash = true;
    if (name == "LightningBall") api::Play(kLightningHit);
    if (name == "Dung") api::Play(kShitImpact);
}
