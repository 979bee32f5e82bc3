#pragma once
// How every match leaves its level: the result is written for the screens that
// show it, then the wipe covers the screen and what follows this kind of match
// opens (the storyboard, or the winner's result scene).

#include "game/levels/level_table.h"

namespace levels {

// The name the storyboards and result screens know a mode's match by
// ("Vozedoreroz" for the egg match...), or null for a mode without a match.
const char* MatchName(Mode mode);

// Writes a match's result from the two players' scores and answers 1 or 2 for
// the winner, 0 for a draw. A match may write its result before it leaves (a
// result sheet over the level reads it); writing the same scores again changes
// nothing.
int RecordResult(Mode mode, int player1Score, int player2Score);

// Records the result, then leaves through the level's wipe (at once without
// one) to what follows this kind of match. A follow-up level that cannot open
// is said once and the game goes to the mode's fallback screen instead.
// Answers the winner as `RecordResult` does.
int MatchEnd(Mode mode, int player1Score, int player2Score);

}  // namespace levels
