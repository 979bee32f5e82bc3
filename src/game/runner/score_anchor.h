#pragma once
// Where a bird's points fly to on the runner: its score label's anchor.

#include "api/script_api.h"

namespace runner {

// "P1Score" for "Player", "P2Score" for "Player2", or null.
api::GameObj* ScoreAnchorOf(const api::GameObj* bird);

}  // namespace runner
