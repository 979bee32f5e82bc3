#pragma once
// The four characters' skills. IndividualPlayerBehaviour::RunSkill calls the
// bird's routine every frame while its MainPlayerBehaviour has
// `skillRequested` set; the routine clears `skillRequested` when the skill
// ends. A bird whose skill objects are missing ends the skill at once.

namespace Engine {
class GameObj;
}
class IndividualPlayerBehaviour;

// Spawns the character's skill objects and "FinalFartFeedBack" and adds its
// ultimate script to the bird; called once when the bird starts.
void SpawnSkillObjects(IndividualPlayerBehaviour& bird);

void LightningBallsSkill(IndividualPlayerBehaviour& bird, float dt);  // RoziDoro
void SoundScreamSkill(IndividualPlayerBehaviour& bird, float dt);     // VadozaVaza
void CannonBallSkill(IndividualPlayerBehaviour& bird, float dt);      // DovaDizavov
void FartBombSkill(IndividualPlayerBehaviour& bird, float dt);        // DoruZuvo

// The bird `target` touched `other`: applies the other bird's skill hits.
void ApplySkillHit(IndividualPlayerBehaviour& target, Engine::GameObj* other);
