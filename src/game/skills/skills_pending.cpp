// Until the skills land: a bird without skill objects ends its skill at once
// and nothing else happens.
#include "game/skills/skills.h"

#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"

namespace {
void EndSkill(IndividualPlayerBehaviour& bird) {
    bird.skillStarted = false;
    bird.skillElapsed = 0.0f;
    if (MainPlayerBehaviour* main = bird.Bird()) main->skillRequested = false;
}
}  // namespace

void SpawnSkillObjects(IndividualPlayerBehaviour&) {}
void LightningBallsSkill(IndividualPlayerBehaviour& bird, float) { EndSkill(bird); }
void SoundScreamSkill(IndividualPlayerBehaviour& bird, float) { EndSkill(bird); }
void CannonBallSkill(IndividualPlayerBehaviour& bird, float) { EndSkill(bird); }
void FartBombSkill(IndividualPlayerBehaviour& bird, float) { EndSkill(bird); }
void ApplySkillHit(IndividualPlayerBehaviour&, Engine::GameObj*) {}
