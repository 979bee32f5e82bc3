#pragma once
// The end of a food-court round: the result from the two birds' scores, written
// where the result screens read it, and the way out to the winner's scene.

#include <cstdint>
#include <string>

namespace FoodCourtRound {

// The mode name the food court leaves for the result screens.
extern const char* const kModeName;


// Reads both birds' scores, records the result and starts the way to the
// winner's scene (or the draw scene). Returns the level key it leaves for.
std::string Finish();

}  // namespace FoodCourtRound
