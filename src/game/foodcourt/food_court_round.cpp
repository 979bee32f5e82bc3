#include "game/foodcourt/food_court_round.h"

#include <iostream>

#include "api/script_api.h"
#include "game/foodcourt/food_court.h"
#include "game/foodcourt/player1_level2_behaviour.h"
#include "game/foodcourt/player2_level2_behaviour.h"
#include "game/game_values.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"

namespace FoodCourtRound {

namespace {
const api::LevelKey kPlayer1Wins{"Player1WinningScene"};
const api::LevelKey kPlayer2Wins{"Player2WinningScene"};
const api::LevelKey kDraw{"DrawScene"};
const api::LevelKey kMainMenu{"MainMenu"};
const api::ObjectName kTransitionBird{"TransitionBird"};

int32_t ScoreOf(const Level2BirdBehaviour* bird) { return bird ? bird->score : 0; }
}  // namespace

const char* const kModeName = "Zovadurazod";


std::string Finish() {
    const int32_t p1 = ScoreOf(api::FindScript<Player1Level2Behaviour>(FoodCourt::kPlayer));
    const int32_t p2 = ScoreOf(api::FindScript<Player2Level2Behaviour>(FoodCourt::kPlayer2));
    const int winner = Game::RecordMatchResult(kModeName, p1, p2);

    std::string key = (winner == 1 ? kPlayer1Wins : winner == 2 ? kPlayer2Wins : kDraw).c_str();
    if (!api::LevelExists(key)) {
        std::cout << "Food court: no result level under \"" << key << "\"; back to the main menu" << std::endl;
        key = kMainMenu.c_str();
    }
    MenuFlow::LeaveTo(api::ScriptOf<Transition>(api::Find(kTransitionBird)), key);
    return key;
}

}  // namespace FoodCourtRound
