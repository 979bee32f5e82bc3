#pragma once
// The match values (game/game_values.h) for the world hash.

#include "api/script.h"

namespace Game {

// Feeds every shared value a match reads or writes to the world hash; the
// scripts that decide a match call it from their HashState.
void HashMatchValues(Engine::StateHasher& hasher);

}  // namespace Game
