#pragma once
// The end of a food-court round: the result from the two birds' scores, written
// where the result screens read it, and the way out to the winner's scene.

namespace FoodCourtRound {

// Reads both birds' scores, records the result and starts the way to the
// winner's scene (or the draw scene).
void Finish();

}  // namespace FoodCourtRound
