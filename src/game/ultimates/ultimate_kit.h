#pragma once
// What the four ultimates do to birds and bosses, written once.

#include <cstdint>
#include <string>

namespace Engine {
class GameObj;
}
class MainPlayerBehaviour;

namespace ultimates {

// The bird behaviour of a live bird object, or null.
MainPlayerBehaviour* BirdOf(const Engine::GameObj* bird);
// The bird of the current level named `name` ("Player", "Player2"), or null.
Engine::GameObj* FindBird(const std::string& name);

// An ultimate is the one attack a protected bird (immune power-up, blinking
// after a respawn or a stun) cannot shrug off: these two ask nothing of the
// protection, where pecks, dung and skills spare such a bird.
// Kills the bird; `byHazard` also marks the death as a hazard's (death
// animation). True when `bird` is a bird.
bool KillBird(Engine::GameObj* bird, bool byHazard);
// Stuns the bird for `seconds`. True when `bird` is a bird.
bool StunBird(Engine::GameObj* bird, float seconds);
// Shows the bird hurt (nothing when it already is).
void ShowInjured(Engine::GameObj* bird);

// Adds `hits` to the hit counter of the bird object's level companion.
void CreditHits(Engine::GameObj* bird, int32_t hits);
// In the boss level, while its boss ("Level4Boss") is vulnerable: takes `damage`
// off the boss's health. True when the boss took it.
bool DamageBoss(int32_t damage);
// Whether the current level has an object named "Boss" (the runner's boss).
bool RunnerBossPresent();

}  // namespace ultimates
