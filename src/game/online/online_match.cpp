// The game's side of `tolvex --host PORT --level LEVEL` (wiring/online_match_hook.h):
// which levels an online match can start in, the fresh match both games ready
// before it, and the result line both print at its end.

#include <string>

#include "game/ai/simulation.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "wiring/online_match_hook.h"

namespace {

std::string LevelKey(const std::string& name) {
    std::string key;
    return ai::ParseLevel(name, key) ? key : std::string();
}

// A match between two people (the computer, if any, plays through a seat's
// keys) on the birds a fresh program holds, with the loading screen's textures
// and archetypes; whatever this program played before does not count.
void PrepareMatch() {
    Game::ResetValues();
    LoadContentAtOnce();
}

std::string MatchResult() {
    if (!Game::matchResultReady) return std::string();
    const std::string outcome = Game::winnerTag == "P1"   ? "player 1 won"
                                : Game::winnerTag == "P2" ? "player 2 won"
                                                          : "a draw";
    return outcome + " (" + Game::matchModeName + ")";
}

const bool kRegistered = Engine::RegisterOnlineMatch({&LevelKey, &PrepareMatch, &MatchResult});

}  // namespace
