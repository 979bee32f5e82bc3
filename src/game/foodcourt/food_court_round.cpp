#include "game/foodcourt/food_court_round.h"

#include "api/script_api.h"
#include "game/foodcourt/food_court.h"
#include "game/foodcourt/player1_level2_behaviour.h"
#include "game/foodcourt/player2_level2_behaviour.h"
#include "game/levels/match_end.h"

namespace FoodCourtRound {

namespace {
int32_t ScoreOf(const Level2BirdBehaviour* bird) { return bird ? bird->score : 0; }
}  // namespace

void Finish() {
    const int32_t p1 = ScoreOf(api::FindScript<Player1Level2Behaviour>(FoodCourt::kPlayer));
    const int32_t p2 = ScoreOf(api::FindScript<Player2Level2Behaviour>(FoodCourt::kPlayer2));
    levels::MatchEnd(levels::Mode::FoodCourt, p1, p2);
}

}  // namespace FoodCourtRound
