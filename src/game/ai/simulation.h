#pragma once
// Matches played by computer players alone, headless, as fast as the machine
// goes: the balance table's `tolvex --simulate` and the tests that make the
// computer players prove themselves. A match loads its level straight away
// (no menus), lets the computer play the slots it is given (a person's slot
// with nobody at the keys stands idle) and ends when the level records its
// result.

#include <functional>
#include <string>
#include <vector>

#include "game/game_values.h"

namespace ai {

struct MatchSetup {
    // The key of a level-table row with a match ("Level1", the egg level, ...).
    std::string levelKey = "Level1";
    int bird1 = 3;  // 1 RoziDoro, 2 VadozaVaza, 3 DovaDizavov, 4 DoruZuvo
    int bird2 = 1;
    Game::Seat seat1 = Game::Seat::ComputerNormal;
    Game::Seat seat2 = Game::Seat::ComputerNormal;
    unsigned seed = 1;
    // Frames at 1/60 s before the match counts as unfinished (a stall, not a draw).
    int maxFrames = 24000;
};

struct MatchOutcome {
    bool finished = false;
    int winner = 0;  // 1 or 2; 0 a draw (or unfinished)
    int frames = 0;
};

// Plays one match in running systems whose archetypes are loaded; `step` runs
// one frame of 1/60 s. Leaves the game on the level the match ended in.
MatchOutcome PlayMatch(const MatchSetup& setup, const std::function<void()>& step);

// Reads a level ("egg", "foodcourt", "runner", "boss" or a level key), a bird
// (its name or 1..4) and a strength ("easy", "normal", "hard", or "idle" for a
// slot nobody plays); false for
// anything else.
bool ParseLevel(const std::string& text, std::string& levelKey);
bool ParseBird(const std::string& text, int& bird);
bool ParseSeat(const std::string& text, Game::Seat& seat);

}  // namespace ai
