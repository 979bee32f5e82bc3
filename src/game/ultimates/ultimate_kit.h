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

// Kills the bird unless it is protected (immune or blinking invulnerable);
// `byHazard` also marks the death as a hazard's (death animation). True when
// it died.
bool KillBird(Engine::GameObj* bird, bool byHazard);
// Stuns the bird for `seconds` unless it is protected. True when stunned.
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
