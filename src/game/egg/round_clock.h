#pragma once
// What the egg level's spawners read from the match: the egg's health, the
// round's time and the defender's armour, as inputs of the spawn delay.

#include "api/object_ref.h"
#include "game/egg/spawn_delay.h"

namespace EggLevel {

// Reads the egg ("Egg"'s EggBehaviour) and the round (`RoundState` on
// `levelSettings`); missing pieces leave the defaults (a full egg, a full round).
DelayInputs ReadDelayInputs(const api::ObjectRef& egg, const api::ObjectRef& levelSettings, bool useTime);

}  // namespace EggLevel
