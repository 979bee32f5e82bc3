#pragma once
// The end of a food-court round: the result from the two birds' scores, written
// where the result screens read it, and the way out to the winner's scene.

#include <cstdint>
#include <string>

namespace FoodCourtRound {

// The mode name the food court leaves for the result screens.
extern const char* const kModeName;

// 1 when player 1 has more points, 2 when player 2 has, 0 for a draw.
int Winner(int32_t player1Score, int32_t player2Score);

// Reads both birds' scores, records the result and starts the way to the
// winner's scene (or the draw scene). Returns the level key it leaves for.
std::string Finish();

}  // namespace FoodCourtRound
