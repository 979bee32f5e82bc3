#pragma once
// Tests set a bird's state directly to reach a situation in one step (a bird
// with no stamina left, one that is pecking now). The game itself changes a
// bird only through birds::Bird.

#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"

struct BirdTestAccess {
    static BirdBodyState& Of(MainPlayerBehaviour* bird) { return *bird; }
    static BirdRoundState& Of(RoundPlayerBehaviour* round) { return *round; }
};

// The bird's or its round companion's state, to change in a test.
inline BirdBodyState& Edit(MainPlayerBehaviour* bird) { return BirdTestAccess::Of(bird); }
inline BirdRoundState& Edit(RoundPlayerBehaviour* round) { return BirdTestAccess::Of(round); }
