#pragma once
// The four characters' skills. The bird's character script asks `SkillOf` for
// its character's skill once, sets it up when the bird starts and runs it every
// frame while the bird's skill is on; the skill ends itself (EndSkill). A bird
// whose skill objects are missing ends the skill at once.

#include <cstdint>

#include "game/birds/bird.h"
#include "game/skills/skill_user.h"

namespace skills {

void LightningBallsSkill(SkillUser& bird, float dt);  // RoziDoro
void SoundScreamSkill(SkillUser& bird, float dt);     // VadozaVaza
void CannonBallSkill(SkillUser& bird, float dt);      // DovaDizavov
void FartBombSkill(SkillUser& bird, float dt);        // DoruZuvo

// The skill of character 1..4, or null for any other id.
const Skill* SkillOf(int32_t characterId);

// Spawns what every bird carries whatever its character ("FinalFartFeedBack").
void SpawnSharedObjects(SkillUser& bird);

// The bird `target` touched `other`: applies the other bird's skill hits.
void ApplySkillHit(const birds::Bird& target, api::GameObj* other);

}  // namespace skills
